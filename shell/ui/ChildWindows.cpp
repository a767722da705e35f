#include "shell/ui/ChildWindows.h"

#include <QWidget>

#include "shell/ShellTexts.h"
#include "shell/ui/Captions.h"
#include "shell/ui/Twips.h"

namespace k7x {

namespace {

struct EmptyWindow {
    const QString* name;
    int caption;
    int widthTwips;
    int heightTwips;
};

const EmptyWindow kEmptyWindows[] = {
    {&kChannelGridWindow, kTextWindowChannelGrid, 8200, 6900},
    {&kChannelEditWindow, kTextWindowChannelEdit, 7000, 7000},
    {&kOptionalFeaturesWindow, kTextWindowOptions, 7000, 5000},
    {&kDtmfWindow, kTextWindowDtmf, 7000, 5000},
    {&kKeyWindow, kTextWindowKeys, 7000, 5000},
    {&kToneTipsWindow, kTextWindowToneTips, 7000, 5000},
    {&kRadioInfoWindow, kTextWindowRadioInfo, 7000, 5000},
};

// An editing window whose own content is not there yet: it keeps the window's size.
class PlaceholderWindow : public QWidget {
public:
    explicit PlaceholderWindow(QSize size) : size_(size) {}
    QSize sizeHint() const override { return size_; }

private:
    QSize size_;
};

const EmptyWindow* findEmpty(const QString& name) {
    for (const EmptyWindow& w : kEmptyWindows)
        if (*w.name == name) return &w;
    return nullptr;
}

}  // namespace

int ChildWindowFactory::captionNumber(const QString& name) {
    const EmptyWindow* w = findEmpty(name);
    return w ? w->caption : 0;
}

QWidget* ChildWindowFactory::create(const QString& name, const Prompts& prompts) const {
    if (auto it = makers_.find(name); it != makers_.end() && it->second) {
        QWidget* window = it->second();
        if (window) {
            window->setObjectName(name);
            return window;
        }
    }
    const EmptyWindow* w = findEmpty(name);
    auto* window = new PlaceholderWindow(
        w ? QSize(TwipsToPixels(w->widthTwips), TwipsToPixels(w->heightTwips)) : QSize(400, 300));
    window->setObjectName(name);
    window->setWindowTitle(w ? LangText(prompts, w->caption) : name);
    window->resize(window->sizeHint());
    return window;
}

}  // namespace k7x
