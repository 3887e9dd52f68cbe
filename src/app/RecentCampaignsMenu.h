#pragma once

#include "RecentCampaigns.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QAction;
class QStatusBar;
class TMenuItem;
class TOwnerDrawPopupMenu;

// The campaigns last opened or saved, as items "&1 name" to "&8 name" of the File menu
// between a separator of their own and the item they stand before; the status line shows an
// item's full path while it is highlighted. The list lives in the user's state folder, so
// that every run (and every window) shares it.
class TRecentCampaignsMenu : public QObject {
    Q_OBJECT

public:
    TRecentCampaignsMenu(TOwnerDrawPopupMenu* menu, QAction* before, QStatusBar* statusLine,
                         QString listFile);

    const TRecentCampaigns& Campaigns() const { return m_campaigns; }
    // Puts the campaign on top; the file is read again first, so that what another run
    // added meanwhile stays.
    void Remember(const QByteArray& path);
    void Forget(const QByteArray& path);

    // Runs when an item is chosen, with its campaign's path.
    std::function<void(const QByteArray& path)> OnOpen;

private:
    void keep(TRecentCampaigns campaigns);
    void showItems();
    void showPath(QAction* highlighted);
    void clearPath();

    TOwnerDrawPopupMenu* m_menu;
    QAction* m_before;
    QStatusBar* m_statusLine;
    QString m_listFile;
    TRecentCampaigns m_campaigns;
    // The separator and the numbered items, in menu order.
    std::vector<QPointer<QAction>> m_items;
    bool m_showingPath = false;
};
