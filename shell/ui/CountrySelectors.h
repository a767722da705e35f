// The country selector of country mode 0 and its "U"/"UK" sub-selector. The channel grid, the
// channel edit window and the optional features window each show this pair in place of their
// group list: eight countries ("U" standing for both "U" and "UK"), and the sub-selector shown
// while "U" is chosen.
#pragma once

#include <QObject>
#include <QString>

class QComboBox;

namespace k7x {

class CountrySelectors : public QObject {
    Q_OBJECT
public:
    // country and sub are the window's own lists (with the window's objectNames); they are
    // filled here and stay owned by the window.
    CountrySelectors(QComboBox& country, QComboBox& sub, QObject* parent = nullptr);

    // Fills both lists and hides the sub-selector; nothing is chosen in it yet.
    void fill();
    // Shows the group of a mode-0 group index without announcing a choice: "U" and "UK" put the
    // country on "U" and the sub-selector on the group.
    void showGroup(int group);
    // The group name the selectors point to: the sub-selector's while it is shown, else the
    // country's.
    QString chosenName() const;
    bool subShown() const;

    QComboBox& country() { return country_; }
    QComboBox& sub() { return sub_; }

signals:
    // The user chose a group by its name.
    void groupChosen(const QString& name);

private:
    void countryChosen(int index);

    QComboBox& country_;
    QComboBox& sub_;
};

}  // namespace k7x
