// menu-demo: the toolbar buttons and office menus on their own, to try by hand.
//   menu-demo                       shows the window
//   menu-demo --screenshots <dir>   writes the window and each menu as PNG files, then ends
#include "ChromeContext.h"
#include "DemoWindow.h"
#include "MenuItems.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {

// Opens each menu in turn with its second item highlighted, grabs it, and closes it again.
void takeScreenshots(TDemoWindow& window, const QDir& folder) {
    window.grab().save(folder.filePath("window.png"));
    const char* names[] = {"file", "scenario", "view", "help", "version"};
    int index = 0;
    for (TOfficePopupMenu* menu : window.allMenus()) {
        const QString path = folder.filePath(QStringLiteral("menu-%1.png").arg(names[index++]));
        QTimer::singleShot(50, menu, [menu, path] {
            if (menu->actions().size() > 1)
                menu->setActiveAction(menu->actions().at(1));
            menu->grab().save(path);
            menu->close();
        });
        const QPoint at = window.mapToGlobal(QPoint(4, 23));
        menu->Popup(at.x(), at.y());
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TChromeContext chrome;
    chrome.attachTo(&app);
    TDemoWindow window(chrome);
    window.show();
    const QStringList arguments = app.arguments();
    const qsizetype option = arguments.indexOf(QStringLiteral("--screenshots"));
    if (option < 0)
        return app.exec();
    if (option + 1 >= arguments.size()) {
        std::fprintf(stderr, "menu-demo: --screenshots needs a folder\n");
        return 2;
    }
    const QDir folder(arguments.at(option + 1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "menu-demo: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    takeScreenshots(window, folder);
    return 0;
}
