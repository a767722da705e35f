#include "shell/ui/ChildWindows.h"

#include <QWidget>

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
    {&kChannelGridWindow, 14050, 8200, 6900}, {&kOptionalFeaturesWindow, 16000, 7000, 5000},
    {&kDtmfWindow, 18000, 7000, 5000},        {&kKeyWindow, 25000, 7000, 5000},
    {&kToneTipsWindow, 29000, 7000, 5000},    {&kRadioInfoWindow, 21000, 7000, 5000},
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
    auto* window = new QWidget;
    window->setObjectName(name);
    const EmptyWindow* w = findEmpty(name);
    window->setWindowTitle(w ? LangText(prompts, w->caption) : name);
    if (w) window->resize(TwipsToPixels(w->widthTwips), TwipsToPixels(w->heightTwips));
    return window;
}

}  // namespace k7x
