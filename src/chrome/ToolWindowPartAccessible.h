#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QCoreApplication>
#include <QPointer>

class TCustomToolWindow;

// The parts a tool window draws itself rather than making controls of: the grip bars of a
// docked window and the close button. Assistive technology reads them as children of the
// window: a grip named for moving it, and a "Close" push button whose press does what a click
// on it does.
enum class TToolWindowPart { Grip, Close };

class TToolWindowPartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
    Q_DECLARE_TR_FUNCTIONS(TToolWindowPartAccessible)

public:
    TToolWindowPartAccessible(TCustomToolWindow* window, TToolWindowPart part);

    // Whether the window shows the part in its present place.
    static bool Shown(const TCustomToolWindow& window, TToolWindowPart part);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QRect localRect() const;

    QPointer<TCustomToolWindow> m_window;
    TToolWindowPart m_part;
};
