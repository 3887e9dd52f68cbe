// Populating the file list with a folder of 10,000 files, half of them matching the mask,
// in the details view; beside it a bare std::filesystem walk with stat of the same folder.
//
//   explorer-list-benchmark [benchmark options]
// The folder is made in a temporary directory and removed afterwards. Runs offscreen.
#include "ShellNamespace.h"
#include "SystemListView.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace {

constexpr int kFiles = 10000;

QTemporaryDir* g_folder = nullptr;

void makeFolder(const QString& path) {
    for (int i = 0; i < kFiles; ++i) {
        const QString name = QStringLiteral("%1/scenario%2.%3")
                                 .arg(path)
                                 .arg(i)
                                 .arg(i % 2 ? QStringLiteral("scn") : QStringLiteral("txt"));
        QFile file(name);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(i % 3000, 'x'));
    }
}

// Populates in details view; with sorted set, as a sorted list re-sorts after each read.
void populate(benchmark::State& state, bool sorted) {
    TSystemListView list;
    list.SetViewStyle(TViewStyle::vsReport);
    list.SetShowFolders(false);
    list.SetFileMask(QStringLiteral("*.scn;*.scx"));
    if (sorted)
        list.SetSortType(TSortType::stBoth);
    list.resize(800, 600);
    const ItemIDList folder = SHGetDesktopFolder()->ParseDisplayName(g_folder->path());
    for (auto _ : state) {
        list.PopulateFolder(SHGetDesktopFolder(), folder, true);
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.Count());
    }
    state.counters["items"] = list.Count();
}

void BM_PopulateListDetails(benchmark::State& state) {
    populate(state, false);
}
void BM_PopulateListDetailsSorted(benchmark::State& state) {
    populate(state, true);
}

void BM_FilesystemWalkWithStat(benchmark::State& state) {
    const std::filesystem::path folder = g_folder->path().toStdString();
    for (auto _ : state) {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            struct stat info {};
            ::stat(entry.path().c_str(), &info);
            count += info.st_size >= 0;
        }
        benchmark::DoNotOptimize(count);
    }
}

BENCHMARK(BM_PopulateListDetails)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PopulateListDetailsSorted)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FilesystemWalkWithStat)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const auto folder = std::make_unique<QTemporaryDir>();
    g_folder = folder.get();
    makeFolder(folder->path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
