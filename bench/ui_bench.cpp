// Start-up to the first shown window, and showing a program on the form (which rebuilds the
// 2000-item program list every time). Run offscreen: QT_QPA_PLATFORM=offscreen bench/ui_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "app/main_frame.h"
#include "app/zelkor_config_app.h"
#include "tests/scripted_messages.h"
#include "ui/editor/zelkor_form.h"

namespace {

void BM_StartUpToShownWindow(benchmark::State& state) {
    testing_support::CScriptedMessages messages;
    for (auto _ : state) {
        app::CZelkorConfigApp application;
        application.InitInstance({QStringLiteral("zelkorconfig")});
        QApplication::processEvents();
        benchmark::DoNotOptimize(application.MainFrame()->isVisible());
        state.PauseTiming();
        application.ExitInstance();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToShownWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ShowProgram(benchmark::State& state) {
    testing_support::CScriptedMessages messages;
    model::CZelkorConfigDoc doc;
    doc.ChangeBook("fill", 7, 1, [](model::CProgramBook& book, int16_t&) {
        for (int i = 0; i < 48; ++i) {
            book[7].m_freq[i] = 10000u * static_cast<uint32_t>(i + 1);
        }
        book[7].SetGroups(true);
        return true;
    });
    ui::CZelkorForm form;
    form.SetDocument(&doc);
    form.show();
    form.OnInitialUpdate();
    int n = 0;
    for (auto _ : state) {
        doc.SetCurrent((n++ % 2) * 7);  // alternate empty and full
        form.ShowProgram();
    }
}
BENCHMARK(BM_ShowProgram)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
