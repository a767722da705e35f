// The radio's 256-byte information area (serial and production data) into the radio
// information record.
#include <string>
#include <string_view>

#include "codeplug/MemoryImage.h"

namespace k7x {

namespace {

// A fixed-length field takes the text followed by one NUL, blank-padded: a text shorter than
// the field reads back exactly, one as long as the field loses the NUL.
template <auto Member>
void AssignFixed(RadioInfoRecord& info, std::string_view text) {
    std::string withNul(text);
    withNul += '\0';
    (info.*Member).set(withNul);
}

void AssignSalesAreaCode(RadioInfoRecord& info, std::string_view text) {
    info.SalesAreaCode = std::string(text);
}

// A run of area bytes and the record field it fills.
struct InfoText {
    std::size_t offset;
    std::size_t length;
    void (*assign)(RadioInfoRecord&, std::string_view);
};

// Byte 0 carries the country mode (below); bytes 1..31 are not unpacked, 28..31 being the
// radio's password.
constexpr InfoText kInfoTexts[] = {
    {32, 8, &AssignFixed<&RadioInfoRecord::BatchNumber>},
    {40, 4, &AssignFixed<&RadioInfoRecord::CustomerCode>},
    {44, 4, &AssignSalesAreaCode},
    {48, 16, &AssignFixed<&RadioInfoRecord::SerialNumber>},
    {64, 16, &AssignFixed<&RadioInfoRecord::FactoryDate>},
    {80, 16, &AssignFixed<&RadioInfoRecord::RepairDate>},
    {96, 96, &AssignFixed<&RadioInfoRecord::RepairReason>},
    {192, 16, &AssignFixed<&RadioInfoRecord::DealerCode>},
    {208, 16, &AssignFixed<&RadioInfoRecord::StockInTime>},
    {224, 16, &AssignFixed<&RadioInfoRecord::SaleTime>},
    {240, 16, &AssignFixed<&RadioInfoRecord::HandledBy>},
};

constexpr bool TextsFit() {
    for (const InfoText& t : kInfoTexts) {
        if (t.offset + t.length > kInfoAreaSize) return false;
    }
    return true;
}
static_assert(TextsFit());

constexpr std::size_t kCountryModeByte = 0;
constexpr Byte kCountryModeMask = 0x0F;

// The bytes of a range up to the first 0x00 or 0xFF, one character each, kept as they are.
std::string_view TextOfRange(const InfoArea& area, const InfoText& t) {
    const auto* first = reinterpret_cast<const char*>(area.data() + t.offset);
    std::size_t n = 0;
    while (n < t.length && area[t.offset + n] != 0x00 && area[t.offset + n] != 0xFF) ++n;
    return {first, n};
}

}  // namespace

void UnpackInfoArea(const InfoArea& area, RadioInfoRecord& info) {
    info.InfoCountryMode = static_cast<Int>(area[kCountryModeByte] & kCountryModeMask);
    for (const InfoText& t : kInfoTexts) t.assign(info, TextOfRange(area, t));
}

}  // namespace k7x
