#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <functional>

// Which changes end a watcher's wait, with the notification bits they stand for.
enum class TChangeKind : std::uint32_t {
    FileName = 0x1,
    DirName = 0x2,
    Attributes = 0x4,
    Size = 0x8,
    LastWrite = 0x10,
    Security = 0x100,
};

using ChangeKinds = std::uint32_t;

constexpr ChangeKinds operator|(TChangeKind a, TChangeKind b) {
    return static_cast<ChangeKinds>(a) | static_cast<ChangeKinds>(b);
}
constexpr ChangeKinds operator|(ChangeKinds a, TChangeKind b) {
    return a | static_cast<ChangeKinds>(b);
}

// The inotify events each set of kinds waits for. Removal or renaming of the watched
// folder itself always ends the wait.
std::uint32_t InotifyMaskFor(ChangeKinds kinds);

// Watches one directory for one change notice. Created running; sleeps until a notice comes
// or a terminate request wakes it, so an idle watcher costs the processor nothing; after a
// notice it runs OnTerminate on the GUI thread while it waits for the handler to return;
// then it deletes itself. A watcher that is asked to stop, or that cannot
// set up its notice, ends with Aborted set and never calls OnTerminate.
//
// The creator keeps a plain pointer only until it calls Terminate(); it never deletes the
// watcher. OnTerminate must be set on the GUI thread right after creation (the handler is
// only ever read on the GUI thread).
class TFileChangeThread : public QThread {
    Q_OBJECT
public:
    using THandler = std::function<void(TFileChangeThread*)>;

    // Must be called on the GUI thread. The directory is the file system's exact bytes.
    static TFileChangeThread* Create(const QByteArray& directory, bool watchSubtree,
                                     ChangeKinds kinds);
    static TFileChangeThread* Create(const QString& directory, bool watchSubtree,
                                     ChangeKinds kinds) {
        return Create(QFile::encodeName(directory), watchSubtree, kinds);
    }

    const QByteArray& Directory() const { return m_directory; }
    bool WatchSubtree() const { return m_watchSubtree; }
    ChangeKinds Kinds() const { return m_kinds; }
    bool Aborted() const { return m_aborted.load(); }
    bool HandleOpen() const { return m_handle.load() != 0; }
    // The system's error number when the notice could not be set up, else 0.
    int ExitCode() const { return m_exitCode.load(); }

    void setOnTerminate(THandler handler) { m_onTerminate = std::move(handler); }
    void Terminate();
    bool Terminated() const { return m_terminate.load(); }

    // Process-wide count of watcher threads that have not yet finished (for tests and the
    // leak check of controls).
    static int RunningCount();

protected:
    void run() override;

private:
    TFileChangeThread(const QByteArray& directory, bool watchSubtree, ChangeKinds kinds);
    ~TFileChangeThread() override;

    int setUpNotice();
    bool noticeMatches();
    void deliverOnGuiThread();

    QByteArray m_directory;
    bool m_watchSubtree;
    ChangeKinds m_kinds;
    std::atomic<int> m_handle{0};
    std::atomic<bool> m_aborted{false};
    std::atomic<bool> m_terminate{false};
    std::atomic<int> m_exitCode{0};
    // Written by Terminate() to wake the worker out of its wait.
    int m_wakeUp;
    THandler m_onTerminate;
};
