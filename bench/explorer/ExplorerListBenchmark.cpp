// The explorer's file list on a folder of 10,000 files, half of them matching the mask, in
// the details view; beside it a bare std::filesystem walk with stat of the same folder.
//
//   explorer-list-benchmark [benchmark options]
//
// Population without and with a sort set, each column sort on the 5,000 listed items, and
// the refill that a burst of 100 change notices (100 files written and closed) costs: the
// burst must cost one refill, reported as the counter refills_per_burst, and the time is
// that of the refill itself on the GUI thread (the folder is read on a worker). The folder is made in a temporary directory and removed
// afterwards. Runs offscreen.
#include "ShellNamespace.h"
#include "SystemListView.h"
#include "SystemTreeView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace {

constexpr int kFiles = 10000;
constexpr int kBurst = 100;

QTemporaryDir* g_folder = nullptr;

QString fileName(int i) {
    return QStringLiteral("%1/scenario%2.%3")
        .arg(g_folder->path())
        .arg(i)
        .arg(i % 2 ? QStringLiteral("scn") : QStringLiteral("txt"));
}

void makeFolder() {
    for (int i = 0; i < kFiles; ++i) {
        QFile file(fileName(i));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(i % 3000, 'x'));
    }
}

void configure(TSystemListView& list) {
    list.setViewStyle(TViewStyle::vsReport);
    list.setShowFolders(false);
    list.setFileMask(QStringLiteral("*.scn;*.scx"));
    list.resize(800, 600);
}

// Populates in details view; with sorted set, as a sorted list re-sorts after each read.
void populate(benchmark::State& state, bool sorted) {
    TSystemListView list;
    configure(list);
    if (sorted)
        list.setSortType(TSortType::stBoth);
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

// One column sort of the listed items (each call toggles the direction, as clicks do).
void BM_SortByColumn(benchmark::State& state) {
    TSystemListView list;
    configure(list);
    const ItemIDList folder = SHGetDesktopFolder()->ParseDisplayName(g_folder->path());
    list.PopulateFolder(SHGetDesktopFolder(), folder, true);
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        list.SortByColumn(nullptr, column);
        benchmark::DoNotOptimize(list.Item(0));
    }
    state.counters["items"] = list.Count();
}

// A burst of notices in the watched folder: the refills it causes and the time of one.
void BM_RefillAfterBurstOfNotices(benchmark::State& state) {
    QWidget form;
    auto* tree = new TSystemTreeView(&form);
    auto* list = new TSystemListView(&form);
    configure(*list);
    tree->setRootFolder(TRootFolder::rfCustom);
    tree->setCustomDir(g_folder->path());
    tree->setReadDelay(0);
    tree->setSelected(tree->RootNode());
    list->SortByColumn(nullptr, 2);
    int refills = 0;
    QElapsedTimer refill;
    double lastRefillSeconds = 0;
    // A refill starts when the model first changes: a reset, or with a big folder read on a
    // worker, the first row removed or inserted.
    const auto startRefill = [&refill] {
        if (!refill.isValid())
            refill.start();
    };
    QObject::connect(list->Model(), &QAbstractItemModel::modelAboutToBeReset, startRefill);
    QObject::connect(list->Model(), &QAbstractItemModel::rowsAboutToBeRemoved, startRefill);
    QObject::connect(list->Model(), &QAbstractItemModel::rowsAboutToBeInserted, startRefill);
    list->OnPopulated = [&](TSystemListView*) {
        lastRefillSeconds =
            refill.isValid() ? static_cast<double>(refill.nsecsElapsed()) / 1e9 : 0.0;
        refill.invalidate();
        ++refills;
    };
    const auto runEvents = [](int milliseconds) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < milliseconds) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(2);
        }
    };
    runEvents(1500);
    int total = 0;
    for (auto _ : state) {
        const int before = refills;
        for (int i = 0; i < kBurst; ++i) {
            QFile file(fileName(2 * i + 1));
            if (file.open(QIODevice::Append))
                file.write("x");
        }
        // Long enough for the burst to settle and for a second refill to show if it came.
        runEvents(2500);
        total += refills - before;
        state.SetIterationTime(lastRefillSeconds);
    }
    state.counters["refills_per_burst"] =
        static_cast<double>(total) / static_cast<double>(state.iterations());
    state.counters["items"] = list->Count();
    delete tree;
    delete list;
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

BENCHMARK(BM_FilesystemWalkWithStat)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PopulateListDetails)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PopulateListDetailsSorted)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SortByColumn)
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RefillAfterBurstOfNotices)
    ->UseManualTime()
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const auto folder = std::make_unique<QTemporaryDir>();
    g_folder = folder.get();
    makeFolder();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
