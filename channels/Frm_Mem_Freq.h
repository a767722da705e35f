// The memory frequency dialog: in country mode 0 a MEM channel takes the frequency of a
// country channel, chosen here by country and position.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace k7x {

class Prompts;
struct DocumentState;

class Frm_Mem_Freq : public QDialog {
    Q_OBJECT
public:
    // frequency: the frequency the edit window shows; the dialog preselects the country
    // channel nearest to it.
    Frm_Mem_Freq(const DocumentState& doc, Prompts& prompts, const QString& frequency,
                 QWidget* parent = nullptr);

    // What the dialog shows: the chosen channel's frequency, empty when "Off" is chosen.
    QString frequencyText() const;

private:
    int fillPositions(int groupIndex, int positionIndex);
    void showChosenChannel();
    void countryChanged();
    void positionChanged();

    const DocumentState& doc_;
    Prompts& prompts_;
    bool busy_ = true;
    int memGroupIndex_ = 0;     // 0 "Off", g + 1 country group g
    int memPositionIndex_ = 0;  // position - 1

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QLabel*, 2> Label2{};
    std::array<QComboBox*, 2> Combo1{};
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace k7x
