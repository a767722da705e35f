// The splash window: shows the start picture of the language and, after two seconds or a click
// on the picture, whichever comes first, opens the main window once.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;

namespace k7x {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimerInterval = 2000;  // ms

    // openMain loads and shows the main window; it runs at most once.
    frmSplash(const QString& programFolder, int langIndex, std::function<void()> openMain,
              QWidget* parent = nullptr);

    // "<folder>/StartE.jpg" for English, "<folder>/StartC.jpg" for Chinese, "" otherwise.
    static QString PicturePath(const QString& programFolder, int langIndex);

    bool hasPicture() const { return hasPicture_; }
    bool mainOpened() const { return left_; }

public slots:
    void Timer1_Timer();
    void picLogo_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void leaveSplash();

    QLabel* picLogo;
    QTimer Timer1{this};
    std::function<void()> openMain_;
    bool hasPicture_ = false;
    bool left_ = false;
};

}  // namespace k7x
