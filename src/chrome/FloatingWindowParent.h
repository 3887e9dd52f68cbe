#pragma once

#include <QPointer>
#include <QWidget>

class TCustomToolWindow;

// The host of one floating tool window: a frameless tool-style top-level window owned by the
// tool window's parent form, so that it stays in front of that form and dies with it. The tool
// window fills it, draws its own frame and caption, and follows the host's moves and
// activation. A host whose tool window has no control that takes the keyboard focus never
// takes activation either, so clicking it leaves the form active and the form's caption drawn
// active.
class TFloatingWindowParent : public QWidget {
    Q_OBJECT

public:
    TFloatingWindowParent(QWidget* parentForm, bool onTopOfAllForms, bool takesFocus);
    ~TFloatingWindowParent() override;

    QWidget* ParentForm() const { return m_parentForm; }
    void setOnTopOfAllForms(bool onTop);
    bool TakesFocus() const { return m_takesFocus; }
    void setTakesFocus(bool takesFocus);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TCustomToolWindow* toolWindow() const;
    void applyFlags();

    QPointer<QWidget> m_parentForm;
    bool m_onTopOfAllForms;
    bool m_takesFocus;
};
