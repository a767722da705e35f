// The text boxes that hold DTMF codes: they take the DTMF characters "0"-"9", "*", "#" and
// "A"-"D" (a-d typed become capitals), at most 16 of them, and nothing is cut, copied, pasted or
// dropped into them.
#pragma once

#include <QString>

#include "codeplug/Records.h"

class QKeyEvent;
class QLineEdit;

namespace k7x {

inline constexpr int kDtmfCodeDigits = 16;

// The characters of a code a box shows, its DTMF characters only; a length beyond the field
// shows nothing.
QString ShownCode(const DtmfCode& code);
// True for a character a DTMF code may hold, lower-case a-d included.
bool IsDtmfCharacter(QChar ch);
// True when a key press may reach a code box: editing and moving keys, DTMF characters.
bool DtmfKeyPasses(const QKeyEvent& event);
// Makes box a code box: the key filter, a validator that admits only DTMF characters (turning
// a-d into capitals), the length limit, and no context menu, drops or middle-button paste.
// Enter moves the focus on.
void MakeDtmfCodeBox(QLineEdit& box);

}  // namespace k7x
