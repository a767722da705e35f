// The program's window icon, drawn at start so it needs no picture file.
#pragma once

#include <QIcon>

namespace k7x {

QIcon ApplicationIcon();

}  // namespace k7x
