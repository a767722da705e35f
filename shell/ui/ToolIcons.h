// The toolbar's own drawings for the commands no standard icon shows well: reading and writing
// the radio, and the channel commands. Each is drawn at the size asked for in the palette's
// colours of the moment, so it stays sharp at any scale and readable on light and dark
// palettes. A desktop icon theme that has the command's freedesktop icon is used instead.
#pragma once

#include <QIcon>
#include <QString>

namespace k7x {

enum class ToolDrawing {
    ReadRadio,
    WriteRadio,
    Cut,
    Copy,
    Paste,
    Insert,
    Delete,
    MoveUp,
    MoveDown
};

// The theme's icon of that name when the theme has one (an empty name: never), else the drawing.
QIcon ToolIcon(ToolDrawing drawing, const QString& themeName = {});

}  // namespace k7x
