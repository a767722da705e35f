// What differs between the document and the radio, one line per difference. After "Compare
// with radio…" it only shows (Close); before a write it asks whether to go on (Write, Cancel).
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "codeplug/Prompts.h"

class QListWidget;

namespace k7x {

class FrmRadioDiff : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Compare, BeforeWrite };

    // lines: RadioDifferenceLines of the comparison; none when the radio holds the document.
    FrmRadioDiff(const std::vector<std::string>& lines, Purpose purpose, const Prompts& prompts,
                 QWidget* parent = nullptr);

private:
    QListWidget* List1 = nullptr;
};

}  // namespace k7x
