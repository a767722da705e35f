#include "shell/ui/CountrySelectors.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "codeplug/Groups.h"

namespace k7x {

namespace {

constexpr int kCountryU = 2;  // "U" in the country list stands for "U" and "UK"
constexpr int kGroupU = 2;
constexpr int kGroupUK = 3;

const char* const kCountries[] = {"EU", "CE", "U", "PL", "I2", "DE", "IN", "MEM"};

}  // namespace

CountrySelectors::CountrySelectors(QComboBox& country, QComboBox& sub, QObject* parent)
    : QObject(parent), country_(country), sub_(sub) {
    // Only the user's choices announce a group, the entry already shown included: it may stand
    // for a stored group outside the lists.
    connect(&country_, &QComboBox::activated, this, &CountrySelectors::countryChosen);
    connect(&sub_, &QComboBox::activated, this, [this] { emit groupChosen(chosenName()); });
}

void CountrySelectors::fill() {
    const QSignalBlocker blockCountry(&country_);
    const QSignalBlocker blockSub(&sub_);
    country_.clear();
    for (const char* name : kCountries) country_.addItem(QString::fromLatin1(name));
    sub_.clear();
    sub_.addItem(QStringLiteral("U"));
    sub_.addItem(QStringLiteral("UK"));
    sub_.setCurrentIndex(-1);
    sub_.hide();
}

bool CountrySelectors::subShown() const {
    return !sub_.isHidden();
}

QString CountrySelectors::chosenName() const {
    return subShown() ? sub_.currentText() : country_.currentText();
}

void CountrySelectors::showGroup(int group) {
    if (group < 0 || group >= GroupCount(0)) return;
    const QString name = QString::fromStdString(GroupName(group, 0));
    if (group == kGroupU || group == kGroupUK) {
        sub_.setCurrentIndex(sub_.findText(name));
        country_.setCurrentIndex(kCountryU);
        sub_.show();
    } else {
        country_.setCurrentIndex(country_.findText(name));
        sub_.hide();
    }
}

void CountrySelectors::countryChosen(int index) {
    if (index == kCountryU) {
        sub_.show();
        // Choosing "U" preselects "U" in the sub-selector.
        if (sub_.currentIndex() < 0) sub_.setCurrentIndex(0);
    } else {
        sub_.hide();
    }
    if (index >= 0) emit groupChosen(chosenName());
}

}  // namespace k7x
