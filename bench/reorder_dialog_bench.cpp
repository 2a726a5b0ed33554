// Opening the Reorder Programs dialog on a full book (every program with all 48 slots filled),
// through the first paint of its list. Target: well under 100 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "editor/list_ctrl_ex.h"
#include "editor/reorder_dlg.h"

namespace {

std::unique_ptr<model::CProgramBook> FullBook() {
    auto book = std::make_unique<model::CProgramBook>();
    for (int i = 0; i < model::kProgramCount; ++i) {
        for (int s = 0; s < model::kSlotCount; ++s) {
            (*book)[i].m_freq[s] = static_cast<uint32_t>(123456 + i * 48 + s);
        }
        for (int g = 0; g < model::kGroupCount; ++g) {
            (*book)[i].UpdateGroupCount(g);
        }
    }
    return book;
}

void BM_OpenReorderDialogWithFullBook(benchmark::State& state) {
    auto book = FullBook();
    for (auto _ : state) {
        auto dlg = std::make_unique<editor::CReorderDlg>();
        dlg->m_workBook = *book;
        dlg->m_pTargetBook = book.get();
        dlg->show();
        dlg->List()->viewport()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dlg.get());
        dlg->reject();
    }
}

}  // namespace

BENCHMARK(BM_OpenReorderDialogWithFullBook)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
