#include "FileChangeThread.h"

#include <QCoreApplication>
#include <cerrno>
#include <filesystem>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <system_error>
#include <unistd.h>

namespace {

// Events that end the wait whatever was asked: the folder itself went away, or so many
// changes came that the kernel dropped some.
constexpr std::uint32_t kSelfEvents =
    IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED | IN_Q_OVERFLOW;
constexpr std::uint32_t kNameEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

std::atomic<int> g_running{0};

bool has(ChangeKinds kinds, TChangeKind kind) {
    return (kinds & static_cast<ChangeKinds>(kind)) != 0;
}

} // namespace

std::uint32_t InotifyMaskFor(ChangeKinds kinds) {
    std::uint32_t mask = IN_DELETE_SELF | IN_MOVE_SELF;
    if (has(kinds, TChangeKind::FileName) || has(kinds, TChangeKind::DirName))
        mask |= kNameEvents;
    if (has(kinds, TChangeKind::Attributes) || has(kinds, TChangeKind::Security))
        mask |= IN_ATTRIB;
    // Size and time settle when a writer closes the file: one notice per finished write
    // instead of one per write() call.
    if (has(kinds, TChangeKind::Size) || has(kinds, TChangeKind::LastWrite))
        mask |= IN_CLOSE_WRITE;
    return mask;
}

TFileChangeThread* TFileChangeThread::Create(const QByteArray& directory, bool watchSubtree,
                                             ChangeKinds kinds) {
    // The thread owns itself: it is deleted on the GUI thread once it has finished.
    auto* thread = new TFileChangeThread(directory, watchSubtree, kinds);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    ++g_running;
    thread->start();
    return thread;
}

TFileChangeThread::TFileChangeThread(const QByteArray& directory, bool watchSubtree,
                                     ChangeKinds kinds)
    : m_directory(directory), m_watchSubtree(watchSubtree), m_kinds(kinds),
      m_wakeUp(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (m_wakeUp < 0)
        m_exitCode.store(errno);
}

TFileChangeThread::~TFileChangeThread() {
    wait();
    if (m_wakeUp >= 0)
        ::close(m_wakeUp);
}

void TFileChangeThread::Terminate() {
    m_terminate.store(true);
    if (m_wakeUp >= 0) {
        const std::uint64_t one = 1;
        // The counter cannot overflow from a handful of requests, so the write never fails
        // in a way that matters: the worker only needs the descriptor to become readable.
        [[maybe_unused]] const ssize_t written = ::write(m_wakeUp, &one, sizeof one);
    }
}

int TFileChangeThread::RunningCount() {
    return g_running.load();
}

int TFileChangeThread::setUpNotice() {
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return -1;
    const std::uint32_t mask = InotifyMaskFor(m_kinds) | IN_ONLYDIR;
    const QByteArray& path = m_directory;
    if (m_directory.isEmpty() || ::inotify_add_watch(fd, path.constData(), mask) < 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    if (m_watchSubtree) {
        std::error_code ignored;
        const auto options = std::filesystem::directory_options::skip_permission_denied;
        for (std::filesystem::recursive_directory_iterator it(path.toStdString(), options, ignored),
             end;
             it != end && !ignored; it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored))
                ::inotify_add_watch(fd, it->path().c_str(), InotifyMaskFor(m_kinds) | IN_ONLYDIR);
        }
    }
    return fd;
}

// Reads the pending events and tells whether one of them is a change of the asked kinds.
// Name events carry whether the item is a folder, so FileName and DirName stay apart.
bool TFileChangeThread::noticeMatches() {
    alignas(inotify_event) char buffer[4096];
    bool matched = false;
    for (;;) {
        const ssize_t length = ::read(m_handle.load(), buffer, sizeof buffer);
        if (length <= 0)
            return matched || (length < 0 && errno != EAGAIN && errno != EINTR);
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & kSelfEvents)
                matched = true;
            else if (event->mask & kNameEvents)
                matched |= has(m_kinds, (event->mask & IN_ISDIR) ? TChangeKind::DirName
                                                                 : TChangeKind::FileName);
            else
                matched |= (event->mask & InotifyMaskFor(m_kinds)) != 0;
        }
    }
}

void TFileChangeThread::run() {
    const int fd = m_wakeUp < 0 ? -1 : setUpNotice();
    if (fd < 0) {
        if (m_wakeUp >= 0)
            m_exitCode.store(errno);
        m_aborted.store(true);
        --g_running;
        return;
    }
    m_handle.store(fd);
    pollfd watch[2] = {{fd, POLLIN, 0}, {m_wakeUp, POLLIN, 0}};
    for (;;) {
        const int ready = ::poll(watch, 2, -1);
        if (m_terminate.load()) {
            m_aborted.store(true);
            break;
        }
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || noticeMatches())
            break;
    }
    ::close(m_handle.exchange(0));
    if (!m_aborted.load())
        deliverOnGuiThread();
    --g_running;
}

void TFileChangeThread::deliverOnGuiThread() {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return;
    // The terminate request is read again on the GUI thread, where it is set: a watcher
    // stopped while its notice was on the way never calls back.
    QMetaObject::invokeMethod(
        application,
        [this] {
            if (m_terminate.load()) {
                m_aborted.store(true);
                return;
            }
            if (m_onTerminate)
                m_onTerminate(this);
        },
        Qt::BlockingQueuedConnection);
}
