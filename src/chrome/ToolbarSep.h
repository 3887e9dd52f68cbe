#pragma once

#include <QWidget>

// The thin separator between groups of toolbar controls. Its length comes from `SizeHorz` or
// `SizeVert`; the toolbar gives it the row's thickness.
class TToolbarSep : public QWidget {
    Q_OBJECT

public:
    // `parent` must be a toolbar.
    explicit TToolbarSep(QWidget* parent);

    bool Blank() const { return m_blank; }
    void setBlank(bool blank);
    int SizeHorz() const { return m_sizeHorz; }
    void setSizeHorz(int size);
    int SizeVert() const { return m_sizeVert; }
    void setSizeVert(int size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void sizeChanged();
    bool inVerticalDock() const;

    bool m_blank = false;
    int m_sizeHorz = 6;
    int m_sizeVert = 6;
};
