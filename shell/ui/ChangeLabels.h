// The names of undo steps in the user's language: "frequency of channel A 12".
#pragma once

#include <QString>
#include <QStringList>

#include "codeplug/ChangeSubject.h"
#include "codeplug/Prompts.h"
#include "shell/ShellTexts.h"

namespace k7x {

// Puts values in for %1, %2, ...; a value whose mark the text lacks (an edited language
// file) is added at the end rather than lost.
QString FillIn(const QString& pattern, const QStringList& values);
// A channel as the grid shows its place: group and position ("A 12", "MEM 3", "VFO").
QString ChannelPlaceName(int channelNo, int mode);
// The step's name; empty for a change that names nothing.
QString ChangeLabel(const ChangeSubject& subject, int mode, const Prompts& prompts);

}  // namespace k7x
