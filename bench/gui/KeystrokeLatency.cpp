#include "common/ProgramFolder.h"
#include "convert/Convert.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/VarnelApplication.h"
#include "ui/options/Options.h"
#include "ui/pages/SimpleOne.h"
#include "ui/pages/SimplePage.h"
#include "ui/valueline/FrameIO.h"
#include "ui/window/MainWindow.h"

#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

using namespace varnel;

constexpr int Keystrokes = 1000;

// The converter window on the shipped units data, in a folder of its own,
// showing the Simple page with a three-factor quantity whose every factor
// converts to another unit.
struct TConverterOnSimplePage {
    TConverterOnSimplePage() {
        const std::filesystem::path folder = dir.path().toStdString();
        std::filesystem::copy_file(std::filesystem::path(VARNEL_DATA_DIR) / "Varnel.unt",
                                   folder / "Varnel.unt");
        SetProgramFolder(folder);
        std::ofstream(TOptions::SettingsFileName(), std::ios::binary)
            << "UnitFile=Varnel.unt\r\nMultiTabMode=1\r\n";
        SetMessageBoxFunction([](TMessageKind, const QString& text) {
            std::fprintf(stderr, "message: %s\n", qPrintable(text));
        });
        window = std::make_unique<TfrmUnitsConvert>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            std::fprintf(stderr, "the window was not shown\n");
        window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(0);
        io = window->IO();
        io->SetTarget("0 [g.km/h^2]");
        io->SetSource("1 [lb.mi/min^2]");
        auto* simple = window->findChild<TfmSimple*>("fmSimple");
        simple->Refresh();
        line = io->InputLine();
        line->setFocus();
    }

    QTemporaryDir dir;
    std::unique_ptr<TfrmUnitsConvert> window;
    TfmIO* io = nullptr;
    QWidget* line = nullptr;
};

TConverterOnSimplePage& Converter() {
    static TConverterOnSimplePage converter;
    return converter;
}

// Digits and Backspaces by turns, so that the value stays short and every
// key changes it.
void TypeOneKey(QWidget* line, int n) {
    if (n % 2 == 0)
        QTest::keyClick(line, static_cast<char>('1' + n % 9));
    else
        QTest::keyClick(line, Qt::Key_Backspace);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Report(benchmark::State& state, const std::vector<double>& seconds, const char* what) {
    const double median = Median(seconds) * 1e3;
    state.counters["median_ms"] = median;
    std::printf("%s: median %.3f ms over %zu keystrokes\n", what, median, seconds.size());
}

// From the key press to the target text set in the value line.
void BM_KeystrokeToTarget(benchmark::State& state) {
    TConverterOnSimplePage& converter = Converter();
    std::vector<double> seconds;
    int n = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        TypeOneKey(converter.line, n++);
        const auto end = std::chrono::steady_clock::now();
        seconds.push_back(std::chrono::duration<double>(end - start).count());
        state.SetIterationTime(seconds.back());
    }
    Report(state, seconds, "keystroke to target");
    // Every key converted: the value typed last shows in the target.
    QTest::keyClick(converter.line, '2');
    std::printf("source %s gives %s\n", qPrintable(converter.io->GetSource()),
                qPrintable(converter.io->GetTarget()));
    QTest::keyClick(converter.line, Qt::Key_Backspace);
}
BENCHMARK(BM_KeystrokeToTarget)
    ->Iterations(Keystrokes)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The same, with the window laid out and painted again before the next key.
void BM_KeystrokeToTargetPainted(benchmark::State& state) {
    TConverterOnSimplePage& converter = Converter();
    std::vector<double> seconds;
    int n = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        TypeOneKey(converter.line, n++);
        converter.window->repaint();
        const auto end = std::chrono::steady_clock::now();
        seconds.push_back(std::chrono::duration<double>(end - start).count());
        state.SetIterationTime(seconds.back());
    }
    Report(state, seconds, "keystroke to target, painted");
}
BENCHMARK(BM_KeystrokeToTargetPainted)
    ->Iterations(Keystrokes)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TVarnelApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
