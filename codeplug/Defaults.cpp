#include "codeplug/Defaults.h"

#include <array>
#include <ctime>
#include <filesystem>
#include <initializer_list>
#include <utility>

#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"

namespace k7x {
namespace {

constexpr std::array<Int, kSettingCount> kDefaultSettings{0, 4, 1, 1, 3, 0, 3, 0,  0,
                                                          0, 1, 1, 1, 0, 0, 1, 160};
constexpr std::array<Int, 6> kDefaultDtmfSettings{10, 0, 2, 0, 0, 1};
constexpr Int kDefaultKeyOption = 3;

// The "MEM" channels every new document starts with, in the order they are added.
constexpr std::array<std::pair<int, const char*>, 8> kDefaultMemChannels{{
    {402, "28.015000"},
    {403, "28.145000"},
    {404, "28.115000"},
    {405, "28.085000"},
    {406, "28.055000"},
    {407, "28.025000"},
    {408, "28.075000"},
    {409, "28.005000"},
}};

// A melody of (pitch, duration) steps played once.
ToneTipRecord Melody(std::initializer_list<ToneStep> steps) {
    ToneTipRecord tip;
    std::size_t i = 0;
    for (const ToneStep& s : steps) tip.Steps[i++] = s;
    tip.RepeatCount = 1;
    return tip;
}

std::array<ToneTipRecord, 8> DefaultToneTips() {
    std::array<ToneTipRecord, 8> tips{};
    tips[0] = Melody({{210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}});
    ToneTipRecord ticks = Melody({});
    for (std::size_t s = 0; s < ticks.Steps.size(); ++s)
        ticks.Steps[s] = {static_cast<Int>(s % 2 == 0 ? 80 : 0), 4};  // steps 1, 3, ... sound
    tips[1] = ticks;
    tips[2] = Melody({{170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}});
    tips[3] = Melody({{64, 6}, {94, 6}, {134, 6}, {163, 6}, {192, 6}});
    tips[4] = Melody({{150, 20}, {70, 20}, {150, 20}, {70, 20}, {150, 20}, {70, 20}});
    return tips;  // tips 6..8 stay disabled
}

void SetRadioInfoDefaults(RadioInfoRecord& info, const DocumentHeader& header,
                          const std::string& today) {
    info = RadioInfoRecord{};
    info.InfoCountryMode = header.CountryMode;
    info.InfoModel = header.ModelName.str();
    info.InfoVersion = "V1.00";
    info.SalesAreaCode.clear();
    for (FixedText<16>* empty : {&info.SerialNumber, &info.DealerCode, &info.HandledBy})
        empty->set("");
    info.RepairReason.set("");
    for (FixedText<16>* date :
         {&info.FactoryDate, &info.RepairDate, &info.StockInTime, &info.SaleTime})
        date->set(today);
    const std::string month = today.size() >= 7 ? today.substr(5, 2) : std::string("01");
    info.BatchNumber.set(month + "-1-E-1");
    info.CustomerCode.set("001A");
}

std::string LocalDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace

void SetBuiltInDefaults(DocumentState& doc, const std::string& today) {
    doc.IsUntitled = true;
    doc.CurrentFilePath = kUntitledName;

    // The header first: it decides the band, and the band the first channels' frequency.
    // A mode that has no band cannot be edited; such a document starts in mode 0.
    if (!BandTextOfMode(doc.CurrentCountryMode)) doc.CurrentCountryMode = 0;
    CodeplugDocument& w = doc.WorkDoc;
    w = CodeplugDocument{};
    w.Header.ModelName.set(doc.CurrentModel);
    w.Header.CountryMode = doc.CurrentCountryMode;
    w.Header.FileVersion.set(ProgramVersion);
    ApplyHeader(doc);

    w.Keys.KeyOption = kDefaultKeyOption;
    for (std::size_t i = 0; i < w.Keys.KeyFunction.size(); ++i)
        w.Keys.KeyFunction[i] = static_cast<Int>(i + 1);

    w.Options.CurrentMem = 1;
    w.Options.GroupEnabled[0] = 1;
    w.Options.Setting = kDefaultSettings;
    w.PublicChannel.OffSetFre = 5;

    w.Dtmf.DtmfSetting = kDefaultDtmfSettings;
    for (DtmfCode& code : w.Dtmf.Codes) code.Digits.set("");

    w.ToneTips = DefaultToneTips();

    // A new document carries nothing over from the previous one, not even in the unused
    // entries that a save writes out.
    doc.ChannelList = ChannelArray{};
    doc.SavedChannels = ChannelArray{};
    const std::string middle = FormatFrequency((doc.FreqMin + doc.FreqMax) / 2);
    AddChannel(doc, 1, middle);
    AddChannel(doc, kVfoChannel, middle);
    for (const auto& [number, frequency] : kDefaultMemChannels) AddChannel(doc, number, frequency);

    SetRadioInfoDefaults(doc.RadioInfo, w.Header, today);
}

void InitNewDocument(DocumentState& doc, const std::string& programFolder, bool initialiseRequest,
                     const std::string& today) {
    SetBuiltInDefaults(doc, today);
    TakeIntoSavedCopy(doc);

    namespace fs = std::filesystem;
    const fs::path initFolder = fs::path(programFolder) / "Init";
    const std::string name = doc.CurrentModel + "_" + std::to_string(doc.CurrentCountryMode) +
                             (initialiseRequest ? ".dat" : "_NEW.dat");
    const fs::path templatePath = initFolder / name;
    std::error_code ec;
    if (fs::exists(templatePath, ec)) {
        LoadTemplateFile(doc, templatePath.string());
        return;
    }
    // The settings template of the model, without channels.
    const std::string settingsName = std::string(kModelName) + "_0.dat";
    if (settingsName.starts_with(doc.CurrentModel + "_"))
        LoadTemplateSettings(doc, (initFolder / settingsName).string());
}

void InitNewDocument(DocumentState& doc, const std::string& programFolder, bool initialiseRequest) {
    InitNewDocument(doc, programFolder, initialiseRequest, LocalDate());
}

}  // namespace k7x
