// The group selection shared by the channel grid and the channel edit window.
#pragma once

class QComboBox;

namespace k7x {

class CountrySelectors;
struct DocumentState;

// Refills groupList with every group name of the country mode and shows the selector of the
// mode: the country pair in mode 0 (the hidden group list still holds the selection), the group
// list in modes 1 and 2. The "U"/"UK" sub-selector starts hidden.
void FillGroupLists(const DocumentState& doc, int mode, QComboBox& groupList,
                    CountrySelectors& countries);

}  // namespace k7x
