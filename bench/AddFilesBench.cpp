// Adding 1,000 scenario files at once to the real main window: reading the files, the model
// update and the list's repaint.
#include "Main.h"
#include "ScenarioListView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class SilentDialogs : public TDialogService {
public:
    TMessageAnswer ShowMessage(const TMessageRequest&) override { return TMessageAnswer::No; }
    bool ExecuteOpen(TFileDialog&, QWidget*) override { return false; }
    bool ExecuteSave(TFileDialog&, QWidget*) override { return false; }
    bool ExecuteFolder(TFolderDialog&, QWidget*) override { return false; }
};

void BM_AddThousandFiles(benchmark::State& state) {
    QTemporaryDir folder;
    QStringList paths;
    const QByteArray content = QByteArray("1.18") + QByteArray(20 * 1024, 'x');
    for (int i = 0; i < 1000; ++i) {
        const QString path =
            folder.filePath(QStringLiteral("Scenario %1.scx").arg(i, 4, 10, QChar(u'0')));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        paths << path;
    }
    SilentDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        TForm1 form(dialogs, {});
        form.show();
        QApplication::processEvents();
        state.ResumeTiming();
        form.ScenarioCommands().AddFiles(paths);
        form.ScenarioListView->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        if (form.Campaign().Count() != 1000)
            state.SkipWithError("not every file was added");
        form.hide();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_AddThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
