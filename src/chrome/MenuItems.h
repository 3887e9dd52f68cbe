#pragma once

#include <QAction>
#include <QKeySequence>
#include <QString>

class TOwnerDrawPopupMenu;

// One item of a popup menu. Its click handler (OnClick) runs through the menu's command
// routing once the menu has closed, not while it is still on screen. The item's mark is
// QAction's own checked state: a checkable item toggles when chosen, and a radio item joins
// the other radio items of its group in the same menu, so that checking one of them, by any
// call, unchecks the rest and choosing the checked one leaves it checked.
class TMenuItem : public QAction {
    Q_OBJECT

public:
    explicit TMenuItem(const QString& caption, QObject* parent = nullptr);

    // The process-wide number that identifies the item in command routing.
    int Command() const { return m_command; }

    QString Caption() const { return text(); }
    void setCaption(const QString& caption);

    int Tag() const { return m_tag; }
    void setTag(int tag);

    bool RadioItem() const { return m_radioItem; }
    // A radio item is checkable.
    void setRadioItem(bool radio);

    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int groupIndex);

    QString Hint() const { return m_hint; }
    void setHint(const QString& hint) { m_hint = hint; }

    int HelpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }

    QKeySequence ShortCut() const { return m_shortCut; }
    void setShortCut(const QKeySequence& shortCut);

    TOwnerDrawPopupMenu* Submenu() const;

    // Chooses the item as the menu does: a checkable item toggles (a checked radio item stays
    // checked), then the click handler runs.
    void Click();

signals:
    void OnClick(TMenuItem* sender);

private:
    void joinRadioGroup();
    void changed();

    int m_command;
    int m_tag = 0;
    bool m_radioItem = false;
    int m_groupIndex = 0;
    QString m_hint;
    int m_helpContext = 0;
    QKeySequence m_shortCut;
};
