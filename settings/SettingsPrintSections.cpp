#include "settings/SettingsPrintSections.h"

#include "settings/DtmfCodeEntry.h"
#include "settings/DtmfSettingLists.h"
#include "settings/FrmKey.h"
#include "settings/OptFeatureLists.h"
#include "settings/OptFeatureRatio.h"
#include "settings/SettingTexts.h"
#include "settings/ToneTipLists.h"
#include "shell/ui/Captions.h"
#include "shell/ui/ChannelChoices.h"

namespace k7x {

namespace {

QString Numbered(const Prompts& prompts, int text, int number) {
    return LangText(prompts, text) + QLatin1Char(' ') + QString::number(number);
}

PrintTable SettingTable(const Prompts& prompts, int title) {
    PrintTable table;
    table.title = LangText(prompts, title);
    table.columns = {LangText(prompts, kTextPrintSetting), LangText(prompts, kTextPrintValue)};
    return table;
}

QString StoredEntry(const QStringList& entries, ListStorage storage, int stored) {
    return storage == ListStorage::Index ? EntryAt(entries, stored) : EntryReading(entries, stored);
}

PrintTable OptionalFeatures(const DocumentState& doc, const Prompts& prompts) {
    PrintTable table = SettingTable(prompts, kTextOptCaption);
    table.startsPage = true;
    OptionRecord options = doc.WorkDoc.Options;
    for (int i = 0; i < kSettingListCount; ++i)
        table.rows.append({LangText(prompts, kTextOptSettingLabel + i),
                           StoredEntry(SettingEntries(i, doc, prompts), SettingStorage(i),
                                       SettingField(options, i))});
    const bool ratioUsed = options.Setting[kSetUseMaxSwr] == 1;
    table.rows.append({QString::fromLatin1(kRatioCaption),
                       ratioUsed ? RatioText(options.Setting[kSetMaxSwr]) : QStringLiteral("Off")});
    return table;
}

PrintTable CommonChannel(const DocumentState& doc, const Prompts& prompts) {
    PrintTable table = SettingTable(prompts, kTextCommonLabel);
    const ChannelRecord& common = doc.WorkDoc.PublicChannel;
    const ChannelChoiceLists lists = ChoiceListsOf(doc.WorkDoc, prompts);
    for (int i = 1; i <= kCommonControlLast; ++i) {
        const ChannelFieldInfo* field = FieldOfCommonControl(i);
        if (!field || !IsFieldOffered(field->column, doc.CurrentCountryMode)) continue;
        table.rows.append({LangText(prompts, kTextCommonLabel + i),
                           FieldEntryText(*field, common, lists, prompts)});
        if (field->column == kColDup)
            table.rows.append(
                {LangText(prompts, kTextOffsetLabel), QString::number(common.OffSetFre)});
    }
    return table;
}

QList<PrintTable> Dtmf(const DtmfRecord& dtmf, const Prompts& prompts) {
    PrintTable settings = SettingTable(prompts, kTextDtmfCaption);
    for (int k = 0; k < kDtmfListCount; ++k) {
        const QStringList entries = DtmfSettingEntries(k, prompts);
        const Int stored = dtmf.DtmfSetting[static_cast<std::size_t>(k)];
        settings.rows.append({LangText(prompts, kTextDtmfListLabel + k),
                              EntryAt(entries, DtmfEntryIndex(k, stored, entries))});
    }
    settings.rows.append(
        {LangText(prompts, kTextDtmfCheck),
         dtmf.DtmfSetting[kDtmfCheckSetting] == 1 ? QStringLiteral("On") : QStringLiteral("Off")});
    PrintTable codes;
    codes.title = LangText(prompts, kTextDtmfCodesTab);
    codes.columns = {LangText(prompts, kTextPrintNumber), LangText(prompts, kTextPrintDigits)};
    for (std::size_t n = 0; n < dtmf.Codes.size(); ++n)
        codes.rows.append({QString::number(n + 1), ShownCode(dtmf.Codes[n])});
    return {settings, codes};
}

PrintTable Keys(const KeyRecord& keys, const Prompts& prompts) {
    PrintTable table;
    table.title = LangText(prompts, kTextKeyCaption);
    table.notes = {LangText(prompts, kTextKeyModesLabel) + QStringLiteral(": ") +
                   EntryAt(FrmKey::KeyModeNames(), keys.KeyOption)};
    table.columns = {LangText(prompts, kTextPrintKey)};
    for (int mode = 1; mode <= kKeyModeCount; ++mode)
        table.columns.append(Numbered(prompts, kTextKeyModeTitle, mode));
    for (int k = 0; k < kKeysPerMode; ++k) {
        QStringList row = {QStringLiteral("P%1").arg(k + 1)};
        for (int mode = 0; mode < kKeyModeCount; ++mode)
            row.append(
                EntryAt(FrmKey::KeyFunctionNames(),
                        keys.KeyFunction[static_cast<std::size_t>(mode * kKeysPerMode + k)] - 1));
        table.rows.append(row);
    }
    return table;
}

// One column per tip: its repeat count and gap, then pitch and duration of every step.
PrintTable ToneTips(const CodeplugDocument& doc, const Prompts& prompts) {
    PrintTable table;
    table.title = LangText(prompts, kTextToneTipsCaption);
    table.notes = {LangText(prompts, kTextPitch) + QStringLiteral(" / ") +
                   LangText(prompts, kTextDuration)};
    table.columns = {QString()};
    QList<QStringList> rows(2 + static_cast<qsizetype>(doc.ToneTips[0].Steps.size()));
    rows[0] = {LangText(prompts, kTextRepeatCount)};
    rows[1] = {LangText(prompts, kTextRepeatGap)};
    for (qsizetype s = 2; s < rows.size(); ++s)
        rows[s] = {LangText(prompts, kTextFirstStep + static_cast<int>(s - 2))};
    const QStringList counts = RepeatCountEntries(prompts);
    for (std::size_t t = 0; t < doc.ToneTips.size(); ++t) {
        const ToneTipRecord& tip = doc.ToneTips[t];
        table.columns.append(Numbered(prompts, kTextToneTipTab, static_cast<int>(t) + 1));
        rows[0].append(EntryAt(counts, tip.RepeatCount));
        rows[1].append(LengthText(tip.RepeatGap));
        for (std::size_t s = 0; s < tip.Steps.size(); ++s)
            rows[static_cast<qsizetype>(s) + 2].append(PitchText(tip.Steps[s].Pitch, prompts) +
                                                       QStringLiteral(" / ") +
                                                       LengthText(tip.Steps[s].Duration));
    }
    table.rows = rows;
    return table;
}

}  // namespace

QList<PrintTable> SettingsPrintSections(const DocumentState& doc, Prompts& prompts) {
    QList<PrintTable> tables = {OptionalFeatures(doc, prompts), CommonChannel(doc, prompts)};
    tables.append(Dtmf(doc.WorkDoc.Dtmf, prompts));
    tables.append(Keys(doc.WorkDoc.Keys, prompts));
    tables.append(ToneTips(doc.WorkDoc, prompts));
    return tables;
}

}  // namespace k7x
