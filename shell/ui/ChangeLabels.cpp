#include "shell/ui/ChangeLabels.h"

#include "codeplug/ChannelList.h"
#include "codeplug/DocumentFields.h"
#include "codeplug/FillText.h"
#include "shell/ui/Captions.h"

namespace k7x {

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
            return FillIn(text(kTextChangeFieldOfChannel),
                          {text(kTextChangeFirstField + s.column - kColFrequency),
                           ChannelPlaceName(s.channelNo, mode)});
        case Kind::Channel:
            return FillIn(text(kTextChangeChannel), {ChannelPlaceName(s.channelNo, mode)});
        case Kind::Channels:
            return FillIn(text(kTextChangeChannels), {QString::number(s.count)});
        case Kind::DtmfCode:
            return FillIn(text(kTextChangeDtmfCode), {QString::number(s.number)});
        case Kind::DtmfSettings:
            return text(kTextChangeDtmfSettings);
        case Kind::ToneTip:
            return s.number > 0 ? FillIn(text(kTextChangeToneTip), {QString::number(s.number)})
                                : text(kTextChangeToneTips);
        case Kind::Keys:
            return text(kTextChangeKeys);
        case Kind::CommonSettings:
            return text(kTextChangeCommonSettings);
        case Kind::Options:
            return text(kTextChangeOptions);
        case Kind::Groups:
            return text(kTextChangeGroups);
        case Kind::CountryMode:
            return text(kTextChangeCountryMode);
    }
    return {};
}

}  // namespace k7x
