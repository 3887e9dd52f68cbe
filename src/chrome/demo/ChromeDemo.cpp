// A window with four docks, a full-size menu bar and a standard-style toolbar, to try the
// docking by hand. With "--screenshot FILE" it saves a picture of the window and quits.
#include "ChromeContext.h"
#include "DockedFormLayout.h"
#include "Docks.h"
#include "ToolbarSep.h"
#include "Toolbars.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

QPushButton* pushButton(QWidget* parent, const QString& text, QSize size, const QString& hint) {
    auto* button = new QPushButton(text, parent);
    button->setFlat(true);
    button->setFixedSize(size);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void addMenuBar(TDock* dock) {
    auto* bar = new TToolbar(dock);
    bar->setObjectName(QStringLiteral("MenuBar"));
    bar->setCaption(QStringLiteral("Menu"));
    bar->setDragHandleStyle(TDragHandleStyle::dhSingle);
    bar->setCloseButton(false);
    bar->setFullSize(true);
    bar->setDockRow(0);
    const std::pair<const char*, int> captions[] = {
        {"File", 33}, {"Scenario", 55}, {"View", 33}, {"Help", 33}};
    for (const auto& [caption, width] : captions)
        pushButton(bar, QString::fromLatin1(caption), QSize(width, 19), QString());
    bar->ArrangeSelf();
}

TToolbar* addStandardToolbar(TDock* dock) {
    auto* bar = new TToolbar(dock);
    bar->setObjectName(QStringLiteral("Toolbar"));
    bar->setCaption(QStringLiteral("Standard Toolbar"));
    bar->setDragHandleStyle(TDragHandleStyle::dhSingle);
    bar->setDockRow(1);
    bar->setDockPos(0);
    bar->setDefaultDock(dock);
    // An empty text stands for a separator.
    const char* items[] = {"N", "O",    "S", "",   "+", "-",  "",   "R",  "I",  "", "D",
                           "",  "1.11", "",  "Op", "",  "LI", "SI", "Li", "De", "", "?"};
    for (const char* item : items) {
        const QString text = QString::fromLatin1(item);
        if (text.isEmpty())
            new TToolbarSep(bar);
        else
            pushButton(bar, text, QSize(text == QLatin1String("1.11") ? 59 : 25, 25), text);
    }
    bar->ArrangeSelf();
    return bar;
}

} // namespace

int main(int argc, char** argv) {
    // Floating windows and outlines need a window system that lets programs place windows.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chrome-demo"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the window to <file> and quit."), QStringLiteral("file"));
    const QCommandLineOption floating(QStringLiteral("floating"),
                                      QStringLiteral("Start with the standard toolbar floating."));
    const QCommandLineOption dockOption(
        QStringLiteral("dock"),
        QStringLiteral(
            "Start with the standard toolbar in the <edge> dock (top, bottom, left, right)."),
        QStringLiteral("edge"));
    const QCommandLineOption closeWhenDocked(
        QStringLiteral("close-when-docked"),
        QStringLiteral(
            "Give the standard toolbar a double handle and a close button while docked."));
    const QCommandLineOption delay(QStringLiteral("delay"),
                                   QStringLiteral("Wait <ms> milliseconds before the screenshot."),
                                   QStringLiteral("ms"), QStringLiteral("100"));
    parser.addOption(screenshot);
    parser.addOption(delay);
    parser.addOption(floating);
    parser.addOption(dockOption);
    parser.addOption(closeWhenDocked);
    parser.process(app);

    TChromeContext chrome;
    chrome.attachTo(&app);
    QWidget form;
    chrome.attachTo(&form);
    form.setWindowTitle(QStringLiteral("Chrome demo"));
    auto* top = new TDock(&form, TDockPosition::dpTop);
    auto* bottom = new TDock(&form, TDockPosition::dpBottom);
    auto* left = new TDock(&form, TDockPosition::dpLeft);
    auto* right = new TDock(&form, TDockPosition::dpRight);
    auto* client = new QLabel(
        QStringLiteral("Drag the toolbars by their handles to any edge or away from the docks.\n"
                       "Hold Ctrl to float over a dock, Esc to cancel, double-click to toggle."),
        &form);
    client->setAlignment(Qt::AlignCenter);
    client->setAutoFillBackground(true);
    client->setBackgroundRole(QPalette::Base);
    LayoutDockedForm(&form, top, bottom, left, right, client);
    addMenuBar(top);
    TToolbar* toolbar = addStandardToolbar(top);
    form.resize(640, 420);
    form.show();

    const QString edge = parser.value(dockOption);
    if (edge == QLatin1String("bottom"))
        toolbar->setDockedTo(bottom);
    else if (edge == QLatin1String("left"))
        toolbar->setDockedTo(left);
    else if (edge == QLatin1String("right"))
        toolbar->setDockedTo(right);
    if (parser.isSet(closeWhenDocked)) {
        toolbar->setDragHandleStyle(TDragHandleStyle::dhDouble);
        toolbar->setCloseButtonWhenDocked(true);
    }
    if (parser.isSet(floating)) {
        toolbar->setHideWhenInactive(false);
        toolbar->setFloatingPosition(form.mapToGlobal(QPoint(120, 160)));
        toolbar->setDockedTo(nullptr);
    }
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        QTimer::singleShot(parser.value(delay).toInt(), &form, [&form, toolbar, file] {
            QPixmap picture = form.grab();
            if (!toolbar->Docked() && toolbar->FloatingHost()) {
                QPainter painter(&picture);
                painter.drawPixmap(toolbar->FloatingPosition() - form.mapToGlobal(QPoint(0, 0)),
                                   toolbar->grab());
            }
            QApplication::exit(picture.save(file) ? 0 : 1);
        });
    }
    return app.exec();
}
