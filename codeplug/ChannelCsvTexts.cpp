#include "codeplug/ChannelCsvTexts.h"

#include "codeplug/FillText.h"
#include "codeplug/Groups.h"

namespace k7x {

namespace {

int DamageTextNumber(CsvDamage damage) {
    switch (damage) {
        case CsvDamage::TooLarge:
            return kTextCsvTooLarge;
        case CsvDamage::NotText:
            return kTextCsvNotText;
        case CsvDamage::NoHeader:
            return kTextCsvNoHeader;
        case CsvDamage::NoRows:
            return kTextCsvNoRows;
    }
    return kTextCsvNoHeader;
}

int RefusalTextNumber(CsvRefusal why) {
    switch (why) {
        case CsvRefusal::Unreadable:
            return kTextCsvRowUnreadable;
        case CsvRefusal::NoFrequency:
            return kTextCsvRowNoFrequency;
        case CsvRefusal::OutOfBand:
            return kTextCsvRowOutOfBand;
        case CsvRefusal::NoLocation:
            return kTextCsvRowNoLocation;
        case CsvRefusal::RepeatedLocation:
            return kTextCsvRowRepeatedLocation;
        case CsvRefusal::FixedFrequency:
            return kTextCsvRowFixedFrequency;
        case CsvRefusal::NoChannel:
            return kTextCsvRowNoChannel;
        case CsvRefusal::PastEnd:
            return kTextCsvRowPastEnd;
        case CsvRefusal::NotOffered:
            return kTextCsvRowNotOffered;
    }
    return kTextCsvRowUnreadable;
}

}  // namespace

std::string CsvDamageText(CsvDamage damage, const std::string& fileName, const Prompts& prompts) {
    return FillText(prompts.text(DamageTextNumber(damage)),
                    {fileName, std::to_string(kMostCsvBytes / 1024)});
}

std::vector<std::string> CsvRefusalLines(const CsvImport& import, const DocumentState& doc,
                                         const Prompts& prompts) {
    std::vector<std::string> lines;
    for (const CsvRowRefused& r : import.refused) {
        const std::string line = std::to_string(r.line);
        const std::string channel = PlaceOfChannel(r.channelNo, doc.CurrentCountryMode).name;
        const std::string form = prompts.text(RefusalTextNumber(r.why));
        switch (r.why) {
            case CsvRefusal::OutOfBand:
                lines.push_back(FillText(form, {line, r.detail, doc.BandText}));
                break;
            case CsvRefusal::RepeatedLocation:
            case CsvRefusal::FixedFrequency:
            case CsvRefusal::NotOffered:
                lines.push_back(FillText(form, {line, channel, r.detail}));
                break;
            case CsvRefusal::NoChannel:
                lines.push_back(FillText(form, {line, channel}));
                break;
            default:
                lines.push_back(FillText(form, {line, r.detail}));
                break;
        }
    }
    return lines;
}

}  // namespace k7x
