#include "settings/DtmfCodeEntry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

#include "shell/ui/DialogControls.h"
#include "shell/ui/NumericEntry.h"

namespace k7x {

QString ShownCode(const DtmfCode& code) {
    const int length =
        code.CodeLength >= 0 && code.CodeLength <= kDtmfCodeDigits ? code.CodeLength : 0;
    QString shown =
        QString::fromLatin1(code.Digits.raw().substr(0, static_cast<std::size_t>(length)));
    // A foreign character (from a hand-made file) would make the box refuse every edit, as its
    // validator admits whole texts of DTMF characters only; the box shows the others, and the
    // first edit stores what it shows.
    shown.removeIf([](QChar ch) { return !IsDtmfCharacter(ch); });
    return shown;
}

namespace {

// Admits texts of DTMF characters only; a-d become capitals on the way in.
class DtmfValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*pos*/) const override {
        for (QChar& ch : input) {
            if (!IsDtmfCharacter(ch)) return Invalid;
            ch = ch.toUpper();
        }
        return Acceptable;
    }
};

// Swallows the keys a code box refuses and the middle-button paste of the selection.
class DtmfKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                return !DtmfKeyPasses(*static_cast<QKeyEvent*>(event));
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
                return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
            default:
                return false;
        }
    }
};

}  // namespace

bool IsDtmfCharacter(QChar ch) {
    const char16_t c = ch.unicode();
    return (c >= u'0' && c <= u'9') || c == u'*' || c == u'#' || (c >= u'A' && c <= u'D') ||
           (c >= u'a' && c <= u'd');
}

bool DtmfKeyPasses(const QKeyEvent& event) {
    return TextKeyPasses(event, IsDtmfCharacter);
}

void MakeDtmfCodeBox(QLineEdit& box) {
    box.setMaxLength(kDtmfCodeDigits);
    box.setValidator(new DtmfValidator(&box));
    box.setContextMenuPolicy(Qt::NoContextMenu);
    box.setAcceptDrops(false);
    box.installEventFilter(new DtmfKeyFilter(&box));
    MoveFocusOnEnter(box);
}

}  // namespace k7x
