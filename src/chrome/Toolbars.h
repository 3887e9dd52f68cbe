#pragma once

#include "FloatingSizeSteps.h"
#include "ToolWindow.h"
#include "ToolbarLayout.h"

#include <QPointer>
#include <vector>

// A tool window whose child controls are laid out in a line along its dock, or wrapped into
// lines while it floats.
class TCustomToolbar : public TCustomToolWindow {
    Q_OBJECT

public:
    explicit TCustomToolbar(QWidget* parent);

    int FloatRightX() const { return m_floatRightX; }
    void setFloatRightX(int width);
    // The controls in toolbar order: the order they were added in, or, after a stored layout
    // has loaded, the order of their stored positions.
    std::vector<QWidget*> OrderedControls() const;
    const std::vector<TSeparatorLine>& SeparatorLines() const { return m_separatorLines; }

    int GetBarThickness(bool vertical) const override;
    QSize MeasureControls(const TDock* dock) const override;
    QSize ArrangeControls(const TDock* dock) override;
    // Sorts the controls by their stored positions, then arranges.
    void Loaded() override;

    TToolbarPlace PlaceFor(const TDock* dock) const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    std::vector<TFloatingSize> FloatingSizes() override;
    void ApplyFloatingWrap(int wrapWidth) override;
    // Separators: pressing one starts a toolbar drag.
    bool PassesPressesOn(const QWidget* control) const override;

private:
    std::vector<TToolbarItem> items() const;
    TToolbarLayoutInput layoutInput(const TDock* dock) const;
    void controlAdded(QWidget* control);
    void controlRemoved(QObject* control);
    void requestArrange();

    std::vector<QPointer<QWidget>> m_order;
    int m_floatRightX = 0;
    std::vector<TSeparatorLine> m_separatorLines;
    bool m_placing = false;
};

// The published toolbar.
class TToolbar : public TCustomToolbar {
    Q_OBJECT

public:
    using TCustomToolbar::TCustomToolbar;
};
