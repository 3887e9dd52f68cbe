#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QMenu;

// Passes the menu messages of the buttons' drop-down menus on: a highlighted item's hint to
// the application's hint (empty when no registered menu has the item), and a help request on
// an item to that item's help context. Made when the first drop-down menu is assigned; each
// menu is registered once and holds a share of the router, which it gives up when destroyed,
// so the router goes with the last menu.
class TDropdownMenuRouter : public QObject {
    Q_OBJECT

public:
    static void registerMenu(QMenu* menu);
    // The router, while at least one menu is registered.
    static TDropdownMenuRouter* instance();

    int menuCount() const { return int(m_menus.size()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class MenuShare;

    TDropdownMenuRouter() = default;
    void add(QMenu* menu);
    void remove(const QMenu* menu);
    void highlighted(QMenu* menu);

    std::vector<QMenu*> m_menus;
};
