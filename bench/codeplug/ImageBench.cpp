// PackImage followed by UnpackImage on a full document: 409 channels in country mode 1.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "SilentPrompts.h"
#include "codeplug/MemoryImage.h"

namespace k7x {
namespace {

void FillFullDocument(DocumentState& doc) {
    doc.RadioCountryMode = 1;
    doc.WorkDoc.Header.ModelName.set(kModelName);
    doc.WorkDoc.Header.CountryMode = 1;
    doc.WorkDoc.ChannelCount = kChannelCapacity;
    for (int i = 0; i < kChannelCapacity; ++i) {
        ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
        c.ChannelNo = static_cast<Int>(i + 1);
        c.Frequency.set("0" + std::to_string(256150 + 50 * i) + "0");  // 5 kHz apart
        c.Scan = static_cast<Int>(i % 2);
        c.OffSetFre = 100;
        c.RDCT = static_cast<Int>(i % 143);
        c.TDCT = static_cast<Int>((i * 7) % 143);
        c.DUP = static_cast<Int>(i % 4);
        c.NB = 1;
        c.Public = 1;
        c.RBTone = static_cast<Int>(i % 9);
        c.DTMF_BOT = static_cast<Int>(i % 17);
    }
    for (std::size_t k = 0; k < doc.WorkDoc.Dtmf.Codes.size(); ++k) {
        doc.WorkDoc.Dtmf.Codes[k].CodeLength = static_cast<Int>(k + 1);
        doc.WorkDoc.Dtmf.Codes[k].Digits.set(std::string("0123456789ABCD*#").substr(0, k + 1));
    }
    for (ToneTipRecord& t : doc.WorkDoc.ToneTips) {
        t.RepeatCount = 1;
        for (ToneStep& s : t.Steps) s = {80, 4};
    }
}

void BM_PackAndUnpackImage(benchmark::State& state) {
    DocumentState doc;
    FillFullDocument(doc);
    SilentPrompts prompts;
    for (auto _ : state) {
        PackImage(doc);
        const bool ok = UnpackImage(doc, prompts);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(doc.MemImage.data());
        benchmark::ClobberMemory();
    }
    state.counters["channels"] = doc.WorkDoc.ChannelCount;
}
BENCHMARK(BM_PackAndUnpackImage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace k7x
