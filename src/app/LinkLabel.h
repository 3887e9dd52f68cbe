#pragma once

#include <QLabel>

// A label drawn as a link that the keyboard reaches too: Tab gives it the focus, which a focus
// frame shows, and Enter or Space chooses it. A click leaves the focus where it was.
class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void chosenByKey();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
