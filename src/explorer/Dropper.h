#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class TErrorReporter;

// Makes one widget accept files dragged from other programs and hands each dropped path to
// OnDrop, one call per file, in the order the drag lists them. Paths are the file system's
// exact bytes: a name that is not valid UTF-8 arrives as it is on disk. Dropped folders are ignored,
// or with AllowDir opened (and with SubFolders walked all the way down), skipping every
// name that begins with ".". Drags that start inside this program are left to the widget.
class TFileDropper : public QObject {
    Q_OBJECT
public:
    using TOnDrop = std::function<void(TFileDropper* sender, const QByteArray& filename)>;

    explicit TFileDropper(QObject* owner = nullptr);

    QWidget* DropSite() const { return m_dropSite; }
    void setDropSite(QWidget* site) { m_dropSite = site; }
    bool AllowDir() const { return m_allowDir; }
    void setAllowDir(bool allow) { m_allowDir = allow; }
    bool SubFolders() const { return m_subFolders; }
    void setSubFolders(bool walk) { m_subFolders = walk; }
    TOnDrop OnDrop;
    // Where an error raised by OnDrop is shown; the owner keeps it alive.
    void setErrorReporter(TErrorReporter* reporter) { m_errorReporter = reporter; }

    // Installs the hook on the drop site; called once the properties are set. Without a
    // drop site it does nothing.
    void Loaded();

    // Delivers the dropped paths as a drop does. An error raised by OnDrop ends the
    // delivery and goes to the error reporter.
    void DeliverDrop(const QList<QByteArray>& paths);
    void DeliverDrop(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void processPath(const QByteArray& path);
    void walkFolder(const QByteArray& folder);
    void deliver(const QByteArray& path);

    QPointer<QWidget> m_dropSite;
    bool m_allowDir = false;
    bool m_subFolders = false;
    bool m_hooked = false;
    TErrorReporter* m_errorReporter = nullptr;
};
