#pragma once

#include "GoToWeb.h"
#include "LinkLabel.h"
#include "WebLinks.h"

#include <QDialog>
#include <QLocale>
#include <cstdint>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;

// "131,072 KB": physical memory in whole kilobytes with the locale's thousands separator,
// counted in 64 bits so that machines with 4 GiB or more read right.
QString MemoryFigureText(std::uint64_t bytes, const QLocale& locale = QLocale());

// The About dialog: name, version, the contact link and the machine's memory.
class TErrorReporter;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QLabel* Icon;
    QLabel* lQOR;
    QLabel* lBrindlewick;
    QLabel* lVer;
    QLabel* lNotice;
    QLabel* lComment;
    QLabel* imgEMail;
    TLinkLabel* lEMail = nullptr;
    QFrame* Divider;
    QLabel* lFreeMem;
    QLabel* lMem;
    QPushButton* OKBtn;
    TGoToWeb* Webber;
    // What choosing the mail link does: starts the mail program through Webber.
    std::function<void(const TGoToWeb&)> OpenMail = OpenMailLink;
    // Where a mail link that cannot open is reported: the program's error box.
    void setErrorReporter(TErrorReporter* reporter) { m_errorReporter = reporter; }

    // The link's colours on a light palette; a dark one gives its own link colours, made
    // readable on the dialog.
    static const QColor HoverColor;
    static const QColor LinkColor;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    // A translation longer than the English text widens the dialog instead of being cut.
    void growToFitTexts();
    void lEMailClick();
    void lEMailMouseMove();
    void FormMouseMove();
    void showLinkColor();
    bool onLink(const QPointF& globalPosition) const;

    bool m_linkPressed = false;
    // Where the memory figure ends: 356 in the dialog's given width.
    int m_memoryRight = 356;
    TErrorReporter* m_errorReporter = nullptr;
    bool m_linkHovered = false;
};
