// The Reorder Programs dialog on a full book (every program with all 48 slots filled):
// - opening it, through the first paint of its list. Target: well under 100 ms.
// - one Down while a client holds a persistent index on every cell, as an accessibility client
//   (AT-SPI, a screen reader) does once it has walked the table. Target: under 50 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <memory>
#include <vector>

#include "ui/editor/list_ctrl_ex.h"
#include "ui/editor/reorder_dlg.h"

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
        auto dlg = std::make_unique<ui::CReorderDlg>();
        dlg->m_workBook = *book;
        dlg->m_pTargetBook = book.get();
        dlg->show();
        dlg->List()->viewport()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dlg.get());
        dlg->reject();
    }
}

void BM_DownWithPersistentIndexesHeld(benchmark::State& state) {
    auto book = FullBook();
    auto dlg = std::make_unique<ui::CReorderDlg>();
    dlg->m_workBook = *book;
    dlg->m_pTargetBook = book.get();
    dlg->show();
    QApplication::processEvents();
    const QAbstractItemModel* pModel = dlg->List()->model();
    std::vector<QPersistentModelIndex> held;
    held.reserve(static_cast<size_t>(pModel->rowCount() * pModel->columnCount()));
    for (int row = 0; row < pModel->rowCount(); ++row) {
        for (int column = 0; column < pModel->columnCount(); ++column) {
            held.emplace_back(pModel->index(row, column));
        }
    }
    dlg->List()->selectionModel()->select(
        pModel->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    for (auto _ : state) {
        dlg->OnDown();  // the selected row walks down the list, one row per Down
        QApplication::processEvents();
    }
    state.counters["held"] = static_cast<double>(held.size());
    dlg->reject();
}

}  // namespace

BENCHMARK(BM_OpenReorderDialogWithFullBook)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

BENCHMARK(BM_DownWithPersistentIndexesHeld)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->Repetitions(5)
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
