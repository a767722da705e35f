#include "shell/ui/ChangeLabels.h"

#include "codeplug/ChannelList.h"
#include "codeplug/DocumentFields.h"
#include "codeplug/FillText.h"
#include "shell/ui/Captions.h"

namespace k7x {

namespace {

constexpr int kTextFieldOfChannel = 10904;  // "%1 of channel %2"
constexpr int kTextChannel = 10905;         // "channel %1"
constexpr int kTextChannels = 10906;        // "%1 channels"
constexpr int kTextOptions = 10907;
constexpr int kTextCommonSettings = 10908;
constexpr int kTextKeys = 10909;
constexpr int kTextDtmfSettings = 10910;
constexpr int kTextDtmfCode = 10911;  // "DTMF code %1"
constexpr int kTextToneTip = 10912;   // "tone tip %1"
constexpr int kTextGroups = 10913;
constexpr int kTextCountryMode = 10914;
constexpr int kTextToneTips = 10915;
constexpr int kTextFirstField = 10916;  // + column - 1: the field names of columns 1..18

}  // namespace

QString FillIn(const QString& pattern, const QStringList& values) {
    std::string form = pattern.toStdString();
    std::vector<std::string> args;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const std::string mark = '%' + std::to_string(i + 1);
        if (form.find(mark) == std::string::npos) form += ' ' + mark;
        args.push_back(values[i].toStdString());
    }
    return QString::fromStdString(FillTextList(form, args));
}

// The undo menu separates group and position by a blank, as the grid's caption does.
QString ChannelPlaceName(int channelNo, int mode) {
    return QString::fromStdString(ChannelName(channelNo, mode))
        .replace(QLatin1Char('-'), QLatin1Char(' '));
}

QString ChangeLabel(const ChangeSubject& s, int mode, const Prompts& prompts) {
    using Kind = ChangeSubject::Kind;
    const auto text = [&prompts](int n) { return LangText(prompts, n); };
    switch (s.kind) {
        case Kind::Nothing:
            return {};
        case Kind::ChannelField:
            return FillIn(text(kTextFieldOfChannel),
                          {text(kTextFirstField + s.column - kColFrequency),
                           ChannelPlaceName(s.channelNo, mode)});
        case Kind::Channel:
            return FillIn(text(kTextChannel), {ChannelPlaceName(s.channelNo, mode)});
        case Kind::Channels:
            return FillIn(text(kTextChannels), {QString::number(s.count)});
        case Kind::DtmfCode:
            return FillIn(text(kTextDtmfCode), {QString::number(s.number)});
        case Kind::DtmfSettings:
            return text(kTextDtmfSettings);
        case Kind::ToneTip:
            return s.number > 0 ? FillIn(text(kTextToneTip), {QString::number(s.number)})
                                : text(kTextToneTips);
        case Kind::Keys:
            return text(kTextKeys);
        case Kind::CommonSettings:
            return text(kTextCommonSettings);
        case Kind::Options:
            return text(kTextOptions);
        case Kind::Groups:
            return text(kTextGroups);
        case Kind::CountryMode:
            return text(kTextCountryMode);
    }
    return {};
}

}  // namespace k7x
