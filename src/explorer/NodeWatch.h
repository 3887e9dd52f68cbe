#pragma once

#include "FileChangeThread.h"
#include "FolderWatch.h"
#include "RefreshScheduler.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <functional>

// The tree's folder watcher: one notice at a time on the folder of one node, the notices of
// a burst gathered into one refresh (OnRefresh). The node is held by its model index, so that
// a node deleted meanwhile is never reached.
class TNodeWatch {
public:
    TNodeWatch();
    ~TNodeWatch();
    TNodeWatch(const TNodeWatch&) = delete;
    TNodeWatch& operator=(const TNodeWatch&) = delete;

    std::function<void()> OnRefresh;

    // Stops the running watcher, if any, with its node; then watches the target for the node
    // at index. An empty target watches nothing and keeps a node whose notices are still
    // being gathered, so that its refresh still comes.
    void watch(const QModelIndex& node, const TWatchTarget& target);
    void stop();
    // The node is no longer the watched one; a running watcher goes on.
    void forgetNode() { m_node = QPersistentModelIndex(); }
    QModelIndex node() const { return m_node; }
    bool watching() const { return !m_watcher.isNull(); }
    // The watcher has set up its notice: changes from now on are seen.
    bool ready() const { return m_watcher && m_watcher->HandleOpen(); }

private:
    void changed();

    TRefreshScheduler m_refresh;
    QPointer<TFileChangeThread> m_watcher;
    QPersistentModelIndex m_node;
};
