// The two text fields of the optional features window: the highest standing-wave ratio and the
// repeater offset. Which keys they take, when what was typed counts, and how the ratio reads.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

namespace k7x {

enum class FieldKeys { Digits, DigitsAndPoint };

// Lets only the characters of keys into field (typed, pasted or dropped), swallows cut, copy
// and paste and every character above 127. The whole text is selected when the field takes the
// focus. leave runs on Enter, which then moves the focus on as Tab does, and when the focus moves
// to another control (not on a window switch or a popup menu, after which the edit goes on).
class OptFeatureField : public QObject {
    Q_OBJECT
public:
    OptFeatureField(QLineEdit& field, FieldKeys keys, std::function<void()> leave);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& field_;
    FieldKeys keys_;
    std::function<void()> leave_;
};

inline constexpr int kRatioMinTenths = 70;
inline constexpr int kRatioMaxTenths = 200;

// A typed ratio in tenths: limited to 7.0..20.0, a text that is no number gives 20.0.
int RatioTenths(const QString& text);
// A ratio in tenths as shown, one decimal ("7.0", "20.0").
QString RatioText(int tenths);

}  // namespace k7x
