// How often an idle explorer wakes the processor: a folder tree and its linked file list
// with a folder selected and shown, then nothing changing for a while. Prints, per thread
// of the process, the context switches it made over that time (each is a wake-up), and the
// total per second. An idle window makes none of its own.
//
//   explorer-idle-benchmark [seconds]     (30 by default; runs offscreen)
#include "SystemListView.h"
#include "SystemTreeView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

namespace {

// Voluntary and involuntary context switches of every thread, by thread id and name.
std::map<std::string, long> threadSwitches() {
    std::map<std::string, long> switches;
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const std::string folder = "/proc/self/task/" + task.toStdString();
        std::string name;
        std::getline(std::ifstream(folder + "/comm"), name);
        long total = 0;
        std::ifstream status(folder + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.find("ctxt_switches:") != std::string::npos)
                total += std::stol(line.substr(line.find(':') + 1));
        }
        switches[task.toStdString() + " " + name] = total;
    }
    return switches;
}

void runEventsFor(int milliseconds) {
    QTimer::singleShot(milliseconds, qApp, &QCoreApplication::quit);
    QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    QTemporaryDir folder;
    for (int i = 0; i < 100; ++i)
        QFile(folder.filePath(QStringLiteral("scenario%1.scn").arg(i))).open(QIODevice::WriteOnly);

    QWidget form;
    auto* tree = new TSystemTreeView(&form);
    auto* list = new TSystemListView(&form);
    tree->setRootFolder(TRootFolder::rfCustom);
    tree->setCustomDir(folder.path());
    tree->setReadDelay(0);
    tree->setSelected(tree->RootNode());
    form.show();
    runEventsFor(1500);

    const auto before = threadSwitches();
    runEventsFor(seconds * 1000);
    const auto after = threadSwitches();

    long total = 0;
    std::printf("%-32s %10s\n", "thread (id name)", "wake-ups");
    for (const auto& [thread, count] : after) {
        const auto was = before.find(thread);
        const long made = count - (was == before.end() ? 0 : was->second);
        total += made;
        std::printf("%-32s %10ld\n", thread.c_str(), made);
    }
    std::printf("items listed %d; %ld wake-ups in %d s, %.1f per second\n", list->Count(), total,
                seconds, static_cast<double>(total) / seconds);
    return 0;
}
