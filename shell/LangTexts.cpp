#include "shell/LangTexts.h"

#include "shell/IniFile.h"

namespace k7x {

namespace {

struct Band {
    std::int32_t last;  // inclusive upper bound
    const char* section;
};

// Tested in this order; everything above the last band is "Others".
constexpr Band kBands[] = {
    {8999, "OTHER"},   {9999, "Msg"},       {10999, "Menu"},        {11999, "ToolBar"},
    {12999, "Main"},   {13999, "Model"},    {14999, "ChannelInfo"}, {15999, "ChannelEdit"},
    {16999, "Option"}, {17999, "Radio"},    {18999, "DTMF"},        {19999, "TestFre"},
    {20999, "EMG"},    {21999, "Local"},    {22999, "Port"},        {23999, "Lang"},
    {24999, "About"},  {25999, "KeySet"},   {26999, "ScanSet"},     {27999, "AlertSet"},
    {28999, "CHEdit"}, {29999, "TONETIPS"}, {30999, "GroupName"},   {31999, "ResetMode"},
};

}  // namespace

const char* LangSectionOf(std::int32_t number) {
    for (const Band& band : kBands) {
        if (number <= band.last) return band.section;
    }
    return "Others";
}

std::string LangFilePath(const AppSettings& settings) {
    return settings.ProgramFolder + "/language/" + settings.LangFile;
}

QString GetLangTextQ(const AppSettings& settings, std::int32_t number) {
    return ReadProfileString(QString::fromStdString(LangFilePath(settings)),
                             QString::fromLatin1(LangSectionOf(number)), QString::number(number),
                             QString(), kLangTextBuffer, CodecOfLanguageFile(settings.LangFile));
}

std::string GetLangText(const AppSettings& settings, std::int32_t number) {
    return GetLangTextQ(settings, number).toStdString();
}

}  // namespace k7x
