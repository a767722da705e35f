#include "shell/ui/SplashWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

namespace k7x {

QString frmSplash::PicturePath(const QString& programFolder, int langIndex) {
    switch (langIndex) {
        case 1:
            return programFolder + QStringLiteral("/StartE.jpg");
        case 2:
            return programFolder + QStringLiteral("/StartC.jpg");
        default:
            return {};
    }
}

frmSplash::frmSplash(const QString& programFolder, int langIndex, std::function<void()> openMain,
                     QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), openMain_(std::move(openMain)) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);

    picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setAlignment(Qt::AlignCenter);
    picLogo->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picLogo);

    // A missing picture leaves the box empty; the timer still opens the main window.
    const QString path = PicturePath(programFolder, langIndex);
    QPixmap picture;
    if (!path.isEmpty() && picture.load(path)) {
        hasPicture_ = true;
        picLogo->setPixmap(picture);
        resize(picture.size());
    } else {
        resize(480, 300);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    Timer1.setInterval(kTimerInterval);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1.start();
}

void frmSplash::Timer1_Timer() {
    leaveSplash();
}

void frmSplash::picLogo_Click() {
    leaveSplash();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picLogo && event->type() == QEvent::MouseButtonRelease) {
        picLogo_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::leaveSplash() {
    // The timer and a click may both arrive; only the first opens the main window.
    Timer1.stop();
    if (left_) return;
    left_ = true;
    if (openMain_) openMain_();
    close();
}

}  // namespace k7x
