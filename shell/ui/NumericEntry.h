// The keys the numeric text boxes of the editing windows accept: digits (and "." for a
// frequency), the editing and moving keys; cut, copy and paste are swallowed. A validator filters
// what arrives any other way (the context menu, a drop, an input method), so no text but digits and
// "." gets in.
#pragma once

#include <QChar>
#include <functional>

class QKeyEvent;
class QLineEdit;

namespace k7x {

// True when a key press may reach a text box that takes only the printable characters allowed
// says yes to: cut, copy, paste and characters above 127 are refused; keys without a character
// (the arrows, Home, End) and control codes (Backspace, Enter, Delete) pass.
bool TextKeyPasses(const QKeyEvent& event, const std::function<bool(QChar)>& allowed);

enum class NumericEntry { Digits, DigitsAndPoint };

// True when the key press may reach the text box.
bool NumericKeyPasses(const QKeyEvent& event, NumericEntry entry);
// Gives box a validator that admits only the characters of entry.
void RestrictToNumericEntry(QLineEdit& box, NumericEntry entry);

}  // namespace k7x
