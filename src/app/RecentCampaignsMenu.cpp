#include "RecentCampaignsMenu.h"

#include "MenuItems.h"
#include "PlatformError.h"
#include "PopupMenus.h"

#include <QFile>
#include <QStatusBar>
#include <algorithm>

namespace {

QString itemCaption(std::size_t index, const QByteArray& path) {
    QString name = QFile::decodeName(path.mid(path.lastIndexOf('/') + 1));
    // An ampersand of the name is shown, not taken as the item's accelerator.
    name.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

} // namespace

TRecentCampaignsMenu::TRecentCampaignsMenu(TOwnerDrawPopupMenu* menu, QAction* before,
                                           QStatusBar* statusLine, QString listFile)
    : QObject(menu), m_menu(menu), m_before(before), m_statusLine(statusLine),
      m_listFile(std::move(listFile)), m_campaigns(ReadRecentCampaigns(m_listFile)) {
    connect(m_menu, &QMenu::hovered, this, &TRecentCampaignsMenu::showPath);
    connect(m_menu, &QMenu::aboutToHide, this, &TRecentCampaignsMenu::clearPath);
    showItems();
}

void TRecentCampaignsMenu::Remember(const QByteArray& path) {
    keep(WithRecentCampaign(ReadRecentCampaigns(m_listFile), path));
}

void TRecentCampaignsMenu::Forget(const QByteArray& path) {
    keep(WithoutRecentCampaign(ReadRecentCampaigns(m_listFile), path));
}

void TRecentCampaignsMenu::keep(TRecentCampaigns campaigns) {
    try {
        WriteRecentCampaigns(m_listFile, campaigns);
    } catch (const EPlatformError& error) {
        // The campaign itself was opened or saved; only the list is not kept for next time.
        qWarning("brindlewick: %s", error.what());
    }
    if (campaigns == m_campaigns)
        return;
    m_campaigns = std::move(campaigns);
    showItems();
}

void TRecentCampaignsMenu::showItems() {
    // An item may be the one whose choice is running now: it goes once that is over.
    for (const QPointer<QAction>& item : m_items)
        if (item) {
            m_menu->removeAction(item);
            item->deleteLater();
        }
    m_items.clear();
    if (m_campaigns.empty())
        return;
    auto* separator = new TMenuItem(QStringLiteral("-"), m_menu);
    m_menu->insertAction(m_before, separator);
    m_items.emplace_back(separator);
    for (std::size_t i = 0; i < m_campaigns.size(); ++i) {
        const QByteArray path = m_campaigns[i];
        auto* item = new TMenuItem(itemCaption(i, path), m_menu);
        item->setHint(QFile::decodeName(path));
        connect(item, &TMenuItem::OnClick, this, [this, path] {
            if (OnOpen)
                OnOpen(path);
        });
        m_menu->insertAction(m_before, item);
        m_items.emplace_back(item);
    }
}

void TRecentCampaignsMenu::showPath(QAction* highlighted) {
    const auto* item = qobject_cast<const TMenuItem*>(highlighted);
    // The first of the items is their separator.
    const bool recent =
        item && !m_items.empty() &&
        std::find(std::next(m_items.begin()), m_items.end(), highlighted) != m_items.end();
    if (recent) {
        m_statusLine->showMessage(item->Hint());
        m_showingPath = true;
    } else {
        clearPath();
    }
}

void TRecentCampaignsMenu::clearPath() {
    if (m_showingPath)
        m_statusLine->clearMessage();
    m_showingPath = false;
}
