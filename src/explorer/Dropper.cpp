#include "Dropper.h"

#include "ErrorReporter.h"
#include "NativeUrl.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace {

// The local files a drag from another program carries, in its order, as bytes.
QList<QByteArray> localPaths(const QMimeData* mime) {
    QList<QByteArray> paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls()) {
        const QByteArray path = NativePathFromUrl(url);
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

// A path whose attributes cannot be read counts as a folder.
bool countsAsFolder(const QByteArray& path) {
    struct stat info {};
    return ::stat(path.constData(), &info) != 0 || S_ISDIR(info.st_mode);
}

// Thrown through the walk to end a drop once the handler failed.
struct TDropAborted {};

} // namespace

TFileDropper::TFileDropper(QObject* owner) : QObject(owner) {}

void TFileDropper::Loaded() {
    if (!m_dropSite || m_hooked)
        return;
    m_dropSite->setAcceptDrops(true);
    m_dropSite->installEventFilter(this);
    m_hooked = true;
}

bool TFileDropper::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_dropSite.data())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (drag->source() || localPaths(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->source())
            return false;
        const QList<QByteArray> paths = localPaths(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->acceptProposedAction();
        DeliverDrop(paths);
        return true;
    }
    default:
        return false;
    }
}

void TFileDropper::DeliverDrop(const QStringList& paths) {
    QList<QByteArray> native;
    for (const QString& path : paths)
        native << QFile::encodeName(path);
    DeliverDrop(native);
}

void TFileDropper::DeliverDrop(const QList<QByteArray>& paths) {
    try {
        for (const QByteArray& path : paths)
            processPath(path);
    } catch (const TDropAborted&) {
        // The handler's error has been shown; the rest of this drop is dropped.
    }
}

void TFileDropper::processPath(const QByteArray& path) {
    if (countsAsFolder(path)) {
        if (m_allowDir)
            walkFolder(path);
        return;
    }
    deliver(path);
}

void TFileDropper::walkFolder(const QByteArray& root) {
    // Depth first, in the order the file system lists the entries. Folders already walked
    // (reached again through a link) are not walked twice, so a loop of links ends.
    std::set<std::pair<dev_t, ino_t>> walked;
    const std::function<void(const QByteArray&)> walk = [&](const QByteArray& folder) {
        struct stat self {};
        if (::stat(folder.constData(), &self) == 0 &&
            !walked.insert({self.st_dev, self.st_ino}).second)
            return;
        DIR* handle = ::opendir(folder.constData());
        if (!handle)
            return;
        const std::unique_ptr<DIR, int (*)(DIR*)> closer(handle, ::closedir);
        while (const dirent* entry = ::readdir(handle)) {
            const QByteArray name(entry->d_name);
            if (name.startsWith('.'))
                continue;
            const QByteArray full = folder.endsWith('/') ? folder + name : folder + '/' + name;
            if (countsAsFolder(full)) {
                if (m_subFolders)
                    walk(full);
                continue;
            }
            deliver(full);
        }
    };
    walk(root);
}

void TFileDropper::deliver(const QByteArray& path) {
    if (!OnDrop)
        return;
    try {
        OnDrop(this, path);
    } catch (const std::exception& error) {
        ReportViewError(m_errorReporter, error);
        throw TDropAborted{};
    }
}
