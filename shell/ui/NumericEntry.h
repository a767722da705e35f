// The keys the numeric text boxes of the editing windows accept: digits (and "." for a
// frequency), the editing and moving keys; cut, copy and paste are swallowed. A validator filters
// what arrives any other way (the context menu, a drop, an input method), so no text but digits and
// "." gets in.
#pragma once

class QKeyEvent;
class QLineEdit;

namespace k7x {

enum class NumericEntry { Digits, DigitsAndPoint };

// True when the key press may reach the text box.
bool NumericKeyPasses(const QKeyEvent& event, NumericEntry entry);
// Gives box a validator that admits only the characters of entry.
void RestrictToNumericEntry(QLineEdit& box, NumericEntry entry);

}  // namespace k7x
