#include "link/ui/FrmProgress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/ui/Captions.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

constexpr int kLabelGapTwips = 10;

}  // namespace

FrmProgress::FrmProgress(Prompts& prompts, Operation operation, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setObjectName(QStringLiteral("FrmProgress"));
    setWindowTitle(LangText(prompts, kTextProgressCaptionBase + static_cast<int>(operation)));
    // No close button: the transfer decides when the window goes.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    Label1 = new QLabel(LangText(prompts, kTextProgressLabel), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("0%"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setMinimumWidth(Label2->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMinimumWidth(TwipsToPixels(4500));

    // The label stands 10 twips before the percentage, and never closer than a blank would:
    // the label's text ends without one, so the two texts would otherwise read as one word.
    auto* percent = new QHBoxLayout;
    percent->setSpacing(std::max(TwipsToPixels(kLabelGapTwips),
                                 Label1->fontMetrics().horizontalAdvance(QLatin1Char(' '))));
    percent->addStretch(1);
    percent->addWidget(Label1);
    percent->addWidget(Label2);
    percent->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar1);
    layout->addLayout(percent);
}

void FrmProgress::SetProgressValue(std::int32_t value) {
    if (value < ProgressBar1->minimum() || value > ProgressBar1->maximum()) {
        prompts_.message("SetProgressValueError", Buttons::Ok, Icon::None);
        return;
    }
    ProgressBar1->setValue(static_cast<int>(value));
}

void FrmProgress::showPercent(int percent) {
    SetProgressValue(percent);
    Label2->setText(QString::number(ProgressBar1->value()) + QLatin1Char('%'));
}

void FrmProgress::finish() {
    finishing_ = true;
    close();
}

void FrmProgress::closeEvent(QCloseEvent* event) {
    if (finishing_)
        event->accept();
    else
        event->ignore();
}

ProgressWindowDisplay::~ProgressWindowDisplay() {
    delete window_;
}

void ProgressWindowDisplay::show(Operation operation) {
    close();
    window_ = new FrmProgress(prompts_, operation, parent_ ? parent_() : nullptr);
    window_->setWindowModality(Qt::ApplicationModal);
    // Shown without a loop of its own: the transfer's events keep arriving.
    window_->show();
}

void ProgressWindowDisplay::setValue(int percent) {
    if (window_ != nullptr && window_->isVisible()) window_->showPercent(percent);
}

void ProgressWindowDisplay::close() {
    if (window_ == nullptr) return;
    FrmProgress* window = window_;
    window_ = nullptr;
    window->finish();
    // The engine may be inside a call made from this window's events; let the loop delete it.
    window->deleteLater();
}

}  // namespace k7x
