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
    connect(&country_, &QComboBox::currentIndexChanged, this, &CountrySelectors::countryChanged);
    connect(&sub_, &QComboBox::currentIndexChanged, this, &CountrySelectors::subChanged);
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
    syncing_ = true;
    const QString name = QString::fromStdString(GroupName(group, 0));
    if (group == kGroupU || group == kGroupUK) {
        sub_.setCurrentIndex(sub_.findText(name));
        country_.setCurrentIndex(kCountryU);
        sub_.show();
    } else {
        country_.setCurrentIndex(country_.findText(name));
        sub_.hide();
    }
    syncing_ = false;
}

void CountrySelectors::countryChanged(int index) {
    if (index == kCountryU) {
        sub_.show();
        if (sub_.currentIndex() < 0) {
            // Choosing "U" preselects "U"; that selection announces the group.
            sub_.setCurrentIndex(0);
            return;
        }
    } else {
        sub_.hide();
    }
    if (!syncing_ && index >= 0) emit groupChosen(chosenName());
}

void CountrySelectors::subChanged(int index) {
    if (!syncing_ && index >= 0 && subShown()) emit groupChosen(chosenName());
}

}  // namespace k7x
