#include "codeplug/ChannelCsvTexts.h"

#include "codeplug/FillText.h"
#include "codeplug/Groups.h"

namespace k7x {

namespace {

int DamageTextNumber(CsvDamage damage) {
    switch (damage) {
        case CsvDamage::TooLarge:
            return 9312;
        case CsvDamage::NotText:
            return 9313;
        case CsvDamage::NoHeader:
            return 9314;
        case CsvDamage::NoRows:
            return 9315;
    }
    return 9314;
}

int RefusalTextNumber(CsvRefusal why) {
    switch (why) {
        case CsvRefusal::Unreadable:
            return 9304;
        case CsvRefusal::NoFrequency:
            return 9305;
        case CsvRefusal::OutOfBand:
            return 9306;
        case CsvRefusal::NoLocation:
            return 9307;
        case CsvRefusal::RepeatedLocation:
            return 9308;
        case CsvRefusal::FixedFrequency:
            return 9309;
        case CsvRefusal::NoChannel:
            return 9310;
        case CsvRefusal::PastEnd:
            return 9311;
        case CsvRefusal::NotOffered:
            return 9331;
    }
    return 9304;
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
