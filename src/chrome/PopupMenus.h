#pragma once

#include <QMenu>
#include <QPointer>

class QFontMetrics;
class QPainter;
class TMenuItem;

enum class TPopupAlignment { paLeft, paRight, paCenter };

// A popup menu whose items the program measures and draws. While it is shown it is the
// current menu of the process, and it measures and draws the items of its submenus too.
// Popup returns when the menu has closed; the chosen item's OnClick runs after that, from
// the event loop.
class TOwnerDrawPopupMenu : public QMenu {
    Q_OBJECT

public:
    explicit TOwnerDrawPopupMenu(QWidget* parent = nullptr);
    ~TOwnerDrawPopupMenu() override;

    // Appends an item; a caption of "-" makes a separator.
    TMenuItem* AddItem(const QString& caption, int tag = 0);
    // Gives an item of this menu a submenu of the same kind (or returns the one it has).
    TOwnerDrawPopupMenu* AddSubmenu(TMenuItem* item);
    QList<TMenuItem*> Items() const;
    // The item with that command number, here or in a submenu.
    TMenuItem* FindItem(int command) const;

    bool OwnerDrawn() const { return m_ownerDrawn; }
    void setOwnerDrawn(bool ownerDrawn);

    TPopupAlignment Alignment() const { return m_alignment; }
    void setAlignment(TPopupAlignment alignment) { m_alignment = alignment; }

    // The control that popped the menu up last.
    QObject* PopupComponent() const { return m_popupComponent; }
    void setPopupComponent(QObject* component) { m_popupComponent = component; }

    // Shows the menu with its top-left (top-right, top-centre by Alignment) at the screen point.
    virtual void Popup(int x, int y);

    virtual void DrawItem(TMenuItem* item, QPainter& canvas, const QRect& rect, int state);
    virtual void MeasureItem(TMenuItem* item, int& width, const QFontMetrics& canvas, int& height);

    // The menu that measures and draws this menu's items: the current menu while one is shown,
    // else the top of this menu's own submenu chain; none when that one is not owner-drawn.
    TOwnerDrawPopupMenu* drawingMenu() const;
    bool drawsItself() const { return drawingMenu() != nullptr; }
    // The size of the item being laid out, or an invalid size when nobody measures it.
    QSize measuredActionSize() const;

signals:
    void OnDrawItem(TMenuItem* item, QPainter& canvas, const QRect& rect, int state);
    void OnMeasureItem(TMenuItem* item, const QFontMetrics& canvas, int& width, int& height);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    // Submenus are made by the concrete kind, so that they draw like their parent.
    virtual TOwnerDrawPopupMenu* createSubmenu();

private:
    void paintFrame(QPainter& painter) const;
    int itemState(const TMenuItem* item) const;
    void showHint(QAction* action);
    void announceHighlight(QAction* action);

    bool m_ownerDrawn = true;
    TPopupAlignment m_alignment = TPopupAlignment::paLeft;
    QPointer<QObject> m_popupComponent;
    mutable const QAction* m_measuring = nullptr;
};
