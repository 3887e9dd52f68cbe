// How the explorer answers while a writer keeps changing a big folder: a folder tree and its
// linked file list (details view) show a folder of 50,000 files while another thread creates,
// appends to and removes files in it every 20 ms. A third thread posts an event to the GUI
// thread every 10 ms, as clicks would come; the time each waits before it is handled is how
// long a click would wait. Prints the waits (median, 99th percentile, longest), the refreshes
// of the list and whether the list matches the folder when the writer has stopped.
//
//   explorer-busy-folder-benchmark [seconds] [files]     (10 s and 50,000 files by default)
#include "SystemListView.h"
#include "SystemTreeView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

QElapsedTimer g_clock;

void runEventsFor(int milliseconds) {
    QTimer::singleShot(milliseconds, qApp, &QCoreApplication::quit);
    QApplication::exec();
}

// Creates, appends to and removes files until told to stop; at most one change each 20 ms.
void keepWriting(const QString& folder, const std::atomic<bool>& stop) {
    for (int round = 0; !stop.load(); ++round) {
        const QString name = folder + QStringLiteral("/busy%1.scn").arg(round % 40);
        if (round % 3 == 2) {
            QFile::remove(name);
        } else {
            QFile file(name);
            if (file.open(QIODevice::Append))
                file.write("changed ");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

double percentile(std::vector<qint64> values, double share) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return static_cast<double>(values[at]) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int files = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50000;
    QTemporaryDir folder;
    for (int i = 0; i < files; ++i)
        QFile(folder.filePath(QStringLiteral("scenario%1.scn").arg(i))).open(QIODevice::WriteOnly);

    QWidget form;
    form.resize(800, 600);
    auto* tree = new TSystemTreeView(&form);
    auto* list = new TSystemListView(&form);
    list->setGeometry(200, 0, 600, 600);
    list->setViewStyle(TViewStyle::vsReport);
    tree->setRootFolder(TRootFolder::rfCustom);
    tree->setCustomDir(folder.path());
    tree->setReadDelay(0);
    tree->setSelected(tree->RootNode());
    int refreshes = 0;
    list->OnPopulated = [&refreshes](TSystemListView*) { ++refreshes; };
    form.show();
    runEventsFor(1500);
    refreshes = 0;

    g_clock.start();
    std::vector<qint64> waits;
    std::atomic<bool> stop{false};
    std::thread writer(keepWriting, folder.path(), std::cref(stop));
    std::thread prober([&] {
        while (!stop.load()) {
            const qint64 posted = g_clock.nsecsElapsed();
            QMetaObject::invokeMethod(qApp, [&waits, posted] {
                waits.push_back(g_clock.nsecsElapsed() - posted);
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    runEventsFor(seconds * 1000);
    stop.store(true);
    writer.join();
    prober.join();
    // The last changes settle: the list shows the folder as it is.
    runEventsFor(3000);
    const int onDisk =
        static_cast<int>(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size());

    std::printf("%d files, %d s of changes: %zu probes waited median %.1f ms, 99th percentile "
                "%.1f ms, longest %.1f ms; %d list refreshes; list %s the folder (%d of %d)\n",
                files, seconds, waits.size(), percentile(waits, 0.5), percentile(waits, 0.99),
                percentile(waits, 1.0), refreshes, list->Count() == onDisk ? "matches" : "DIFFERS FROM",
                list->Count(), onDisk);
    delete tree;
    delete list;
    return 0;
}
