// The editing windows the main window opens by name, at most one of each.
#pragma once

#include <QString>
#include <functional>
#include <map>

#include "codeplug/Prompts.h"

class QWidget;

namespace k7x {

inline const QString kChannelGridWindow = QStringLiteral("frmCommChInfo");
inline const QString kChannelEditWindow = QStringLiteral("FrmCHInfoEdit");
inline const QString kOptionalFeaturesWindow = QStringLiteral("FrmOptFeatures");
inline const QString kDtmfWindow = QStringLiteral("FrmDTMF");
inline const QString kKeyWindow = QStringLiteral("FrmKey");
inline const QString kToneTipsWindow = QStringLiteral("FrmToneTips");
inline const QString kRadioInfoWindow = QStringLiteral("FrmRadioInfo");

// Makes the window of a name. Windows that have no maker registered yet open as empty windows
// carrying their name and caption, so the menu entries and tree nodes already lead somewhere.
class ChildWindowFactory {
public:
    using Maker = std::function<QWidget*()>;

    void add(const QString& name, Maker make) { makers_[name] = std::move(make); }
    bool has(const QString& name) const { return makers_.count(name) != 0; }

    // A new window whose objectName is name; caption texts come from prompts.
    QWidget* create(const QString& name, const Prompts& prompts) const;

    // The caption text number of an empty window, 0 when the name is not an editing window.
    static int captionNumber(const QString& name);

private:
    std::map<QString, Maker> makers_;
};

}  // namespace k7x
