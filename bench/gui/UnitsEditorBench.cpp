#include "common/ProgramFolder.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/VarnelApplication.h"
#include "ui/editor/EditorTree.h"
#include "ui/editor/UnitEdit.h"

#include <QDialog>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

using namespace varnel;

// The editor and a copy of the shipped units data in a folder of their own.
struct TEditorOnShippedData {
    TEditorOnShippedData() {
        const std::filesystem::path folder = dir.path().toStdString();
        file = folder / "Varnel.unt";
        std::filesystem::copy_file(std::filesystem::path(VARNEL_DATA_DIR) / "Varnel.unt", file);
        SetProgramFolder(folder);
        SetMessageBoxFunction([](TMessageKind, const QString& text) {
            std::fprintf(stderr, "message: %s\n", qPrintable(text));
        });
        SetQuestionFunction([](const QString& text) {
            std::fprintf(stderr, "question: %s\n", qPrintable(text));
            return true;
        });
        editor = std::make_unique<TfrmUnitEdit>();
    }

    QTemporaryDir dir;
    std::filesystem::path file;
    std::unique_ptr<TfrmUnitEdit> editor;
};

TEditorOnShippedData& Editor() {
    static TEditorOnShippedData editor;
    return editor;
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int CountNodes(const TEditorTree* tree) {
    int count = 0;
    for (QTreeWidgetItemIterator it(const_cast<TEditorTree*>(tree)); *it; ++it)
        ++count;
    return count;
}

// Read, parse, bind and build the tree; the first category shown.
void BM_OpenShippedData(benchmark::State& state) {
    TEditorOnShippedData& data = Editor();
    SetModalFunction([](QDialog&) { return int(QDialog::Rejected); });
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        data.editor->OpenUnitsFile(data.file);
        state.SetIterationTime(Seconds(start));
    }
    state.counters["nodes"] = CountNodes(data.editor->Tree());
    SetModalFunction({});
}
BENCHMARK(BM_OpenShippedData)->UseManualTime()->Unit(benchmark::kMillisecond);

// Done: validate the enabled data, keep the backup, write the file, close.
void BM_Done(benchmark::State& state) {
    TEditorOnShippedData& data = Editor();
    double seconds = 0;
    int closedWithOk = 0;
    SetModalFunction([&](QDialog& dialog) {
        const auto start = std::chrono::steady_clock::now();
        data.editor->tbDoneClick();
        seconds = Seconds(start);
        return dialog.result();
    });
    for (auto _ : state) {
        closedWithOk += data.editor->OpenUnitsFile(data.file) ? 1 : 0;
        state.SetIterationTime(seconds);
    }
    state.counters["ok"] = closedWithOk;
    SetModalFunction({});
}
BENCHMARK(BM_Done)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TVarnelApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
