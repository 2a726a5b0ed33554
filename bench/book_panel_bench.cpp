// The book panel on a full book (2000 programs of 48 frequencies): opening it, a Find over it,
// and the rows painted again after a paste of 100 programs. Each is to stay under 50 ms.
// Run offscreen: QT_QPA_PLATFORM=offscreen bench/book_panel_bench; with ZELKOR_SCREENSHOT_DIR
// set, the panel on the full book is saved there as a picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <memory>

#include "editor/book_operations.h"
#include "tests/scripted_messages.h"
#include "ui/book/book_panel.h"
#include "ui/editor/book_history.h"

namespace {

// A document whose every program holds 48 frequencies, with its history.
struct SFullBook {
    SFullBook() : history(doc) {
        doc.ChangeBook("fill", 0, model::kProgramCount, [](model::CProgramBook& book, int16_t&) {
            for (int i = 0; i < model::kProgramCount; ++i) {
                for (int slot = 0; slot < model::kSlotCount; ++slot) {
                    book[i].m_freq[slot] = static_cast<uint32_t>(10 * (i + slot) + 1);
                }
            }
            return true;
        });
    }
    model::CZelkorConfigDoc doc;
    ui::CBookHistory history;
};

void ShowAndPaint(QWidget& widget) {
    widget.show();
    widget.repaint();
    QApplication::processEvents();
}

void BM_OpenPanelOnFullBook(benchmark::State& state) {
    SFullBook book;
    for (auto _ : state) {
        ui::CBookPanel panel(book.doc, &book.history);
        panel.resize(420, 700);
        ShowAndPaint(panel);
        state.PauseTiming();
        const QString folder = qEnvironmentVariable("ZELKOR_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            panel.grab().save(folder + "/book_panel_full.png");
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPanelOnFullBook)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_FindOverFullBook(benchmark::State& state) {
    SFullBook book;
    ui::CBookPanel panel(book.doc, &book.history);
    panel.resize(420, 700);
    ShowAndPaint(panel);
    int n = 0;
    for (auto _ : state) {
        // A frequency a few programs hold, then none.
        panel.FindField()->setText(++n % 2 ? QStringLiteral("1000.1") : QString());
        panel.Table()->viewport()->repaint();
    }
}
BENCHMARK(BM_FindOverFullBook)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_RefreshAfterPaste100(benchmark::State& state) {
    SFullBook book;
    ui::CBookPanel panel(book.doc, &book.history);
    panel.resize(420, 700);
    ShowAndPaint(panel);
    std::vector<model::CFrequencyProgram> programs(100, book.doc.Book()[5]);
    int n = 0;
    for (auto _ : state) {
        // Alternate two sets, so that every paste changes the book.
        programs.front().m_freq[0] = static_cast<uint32_t>(++n);
        editor::PasteFrom(book.doc, 0, programs);
        panel.Table()->viewport()->repaint();
    }
}
BENCHMARK(BM_RefreshAfterPaste100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    testing_support::CScriptedMessages messages;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
