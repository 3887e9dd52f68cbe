#pragma once

#include <QAction>
#include <QKeySequence>
#include <QString>

class TOwnerDrawPopupMenu;

// One item of a popup menu. Its click handler (OnClick) runs through the menu's command
// routing once the menu has closed, not while it is still on screen. `Checked` is the item's
// own mark: choosing an item does not toggle it, the handler decides.
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

    bool Checked() const { return m_checked; }
    // Checking a radio item unchecks the other radio items of its group in the same menu.
    void SetChecked(bool checked);

    bool RadioItem() const { return m_radioItem; }
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

    // Runs the item's click handler.
    void Click();

signals:
    void OnClick(TMenuItem* sender);

private:
    void uncheckGroupSiblings();
    void changed();

    int m_command;
    int m_tag = 0;
    bool m_checked = false;
    bool m_radioItem = false;
    int m_groupIndex = 0;
    QString m_hint;
    int m_helpContext = 0;
    QKeySequence m_shortCut;
};
