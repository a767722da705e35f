// Which group and position a channel number is in each country mode, as the channel tables
// name it ("A-12") and as the undo menu names it ("A 12").
#include <QtTest>
#include <string>
#include <vector>

#include "codeplug/DocumentFields.h"
#include "codeplug/Groups.h"
#include "shell/ui/ChangeLabels.h"

using namespace k7x;

namespace {

struct GroupSpan {
    const char* name;
    int first;  // channel numbers of positions 1 and last
    int last;
};

const std::vector<GroupSpan> kCountryGroups{
    {"EU", 1, 40},    {"CE", 41, 80},   {"U", 81, 120},   {"UK", 121, 160},  {"PL", 161, 200},
    {"I2", 201, 240}, {"DE", 241, 320}, {"IN", 321, 360}, {"MEM", 402, 409},
};
const std::vector<GroupSpan> kBandGroups{
    {"A", 1, 40},    {"B", 41, 80},   {"C", 81, 120},    {"D", 121, 160},
    {"E", 161, 200}, {"F", 201, 240}, {"G", 241, 280},   {"H", 281, 320},
    {"I", 321, 360}, {"J", 361, 400}, {"VFO", 401, 401}, {"MEM", 402, 409},
};

}  // namespace

class ChannelPlacesTest : public QObject {
    Q_OBJECT
private slots:
    void everyGroupOfEveryModeFromItsFirstToItsLastPosition() {
        for (int mode : {0, 1, 2}) {
            const auto& groups = mode == 0 ? kCountryGroups : kBandGroups;
            for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
                const GroupSpan& span = groups[static_cast<std::size_t>(g)];
                const int size = span.last - span.first + 1;
                for (int position : {1, size}) {
                    const ChannelPlace place = PlaceOfChannel(span.first + position - 1, mode);
                    const std::string name =
                        size == 1 ? span.name
                                  : std::string(span.name) + "-" + std::to_string(position);
                    QCOMPARE(place.group, g);
                    QCOMPARE(place.position, position);
                    QCOMPARE(place.name, name);
                    QCOMPARE(ChannelName(span.first + position - 1, mode), name);
                }
            }
        }
        // Channels 361-401 belong to no group of the CB mode.
        for (int channelNo : {361, 401}) {
            QCOMPARE(PlaceOfChannel(channelNo, 0).group, -1);
            QCOMPARE(ChannelName(channelNo, 0), std::to_string(channelNo));
        }
    }

    void theUndoMenuNamesTheChannelByItsGroup() {
        const struct {
            int mode;
            int channelNo;
            const char* label;
        } cases[] = {{0, 121, "UK 1"}, {0, 402, "MEM 1"}, {0, 401, "401"},  {1, 400, "J 40"},
                     {1, 401, "VFO"},  {1, 402, "MEM 1"}, {2, 409, "MEM 8"}};
        for (const auto& c : cases)
            QCOMPARE(ChannelPlaceName(c.channelNo, c.mode), QString::fromLatin1(c.label));
    }
};

QTEST_MAIN(ChannelPlacesTest)
#include "ChannelPlacesTest.moc"
