// The PDF of a whole document: every channel position of mode 0 in use, all settings, written
// as File > Export PDF writes it. Offscreen, on a main window built as the tests build it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ShellTestRig.h"
#include "channels/ChannelPrintSections.h"
#include "codeplug/ChannelList.h"
#include "codeplug/Groups.h"
#include "settings/SettingsPrintSections.h"
#include "shell/ui/PrintCommands.h"

using namespace k7x;
using k7x::test::ShellTestRig;

namespace {

struct PrintRig : ShellTestRig {
    PrintRig() {
        printSections = [](const DocumentState& d, Prompts& p, const PrintOptions& o) {
            return ChannelPrintSections(d, p, o) + SettingsPrintSections(d, p);
        };
        main();  // its new document first, then the channels
        for (int group = 0; group < GroupCount(0); ++group)
            for (int p = 1; p <= GroupSize(group, 0); ++p) {
                const int number = GroupStart(group, 0) + p;
                if (FindChannel(doc, number) < 0) AddChannel(doc, number, "02696500");
            }
    }
};

void BM_WholeDocumentPdf(benchmark::State& state) {
    PrintRig rig;
    const std::string path = rig.path(QStringLiteral("bench.pdf")).toStdString();
    for (auto _ : state) benchmark::DoNotOptimize(rig.main().printCommands().writePdf(path));
    state.counters["channels"] = rig.doc.WorkDoc.ChannelCount;
}
BENCHMARK(BM_WholeDocumentPdf)->Unit(benchmark::kMillisecond);

}  // namespace
