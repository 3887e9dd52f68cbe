#include "NodeWatch.h"

TNodeWatch::TNodeWatch() {
    m_refresh.OnRefresh = [this] {
        if (OnRefresh)
            OnRefresh();
    };
}

TNodeWatch::~TNodeWatch() {
    stop();
}

void TNodeWatch::watch(const QModelIndex& node, const TWatchTarget& target) {
    stop();
    if (target.Folder.isEmpty())
        return;
    m_node = node;
    m_watcher = TFileChangeThread::Create(target.Folder, false, target.Kinds);
    m_watcher->setOnTerminate([this](TFileChangeThread*) { changed(); });
}

void TNodeWatch::stop() {
    if (m_watcher) {
        m_watcher->Terminate();
        m_watcher = nullptr;
        m_node = QPersistentModelIndex();
    }
}

// A notice of the watcher, which ends by itself: the folder is read again once the burst it
// belongs to is over.
void TNodeWatch::changed() {
    m_watcher = nullptr;
    m_refresh.Notice();
}
