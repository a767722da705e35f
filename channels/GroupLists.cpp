#include "channels/GroupLists.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "codeplug/Groups.h"
#include "shell/ui/CountrySelectors.h"

namespace k7x {

void FillGroupLists(const DocumentState& doc, int mode, QComboBox& groupList,
                    CountrySelectors& countries) {
    {
        const QSignalBlocker block(&groupList);
        groupList.clear();
        for (const std::string& name : GroupNamesList(doc, mode, {}))
            groupList.addItem(QString::fromStdString(name));
    }
    countries.fill();
    const bool countryMode = mode == 0;
    countries.country().setVisible(countryMode);
    groupList.setVisible(!countryMode);
}

}  // namespace k7x
