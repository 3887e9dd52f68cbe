// The second yardstick for start-up time: the window brindlewick shows, made of stock Qt parts
// with no code of ours, ending as soon as it is shown. It pays what any window of this kind
// pays before its first frame: reading the font database, shaping and drawing text, the image
// readers, the style's icons for a folder tree and a tool bar.
#include <QApplication>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

namespace {

void addMenus(QMainWindow& window, QToolBar& bar) {
    const QStringList menus = {"&File", "&Scenario", "&View", "&Help"};
    const QList<QStyle::StandardPixmap> pictures = {QStyle::SP_FileIcon,
                                                    QStyle::SP_DialogOpenButton,
                                                    QStyle::SP_DialogSaveButton,
                                                    QStyle::SP_FileDialogNewFolder,
                                                    QStyle::SP_TrashIcon,
                                                    QStyle::SP_ArrowUp,
                                                    QStyle::SP_ArrowDown,
                                                    QStyle::SP_DialogApplyButton,
                                                    QStyle::SP_FileDialogDetailedView,
                                                    QStyle::SP_FileDialogListView,
                                                    QStyle::SP_DialogHelpButton,
                                                    QStyle::SP_MessageBoxInformation};
    int next = 0;
    for (const QString& title : menus) {
        QMenu* menu = window.menuBar()->addMenu(title);
        for (int item = 0; item < 5; ++item) {
            QAction* action = menu->addAction(QStringLiteral("Command %1").arg(next + 1));
            if (next < pictures.size()) {
                action->setIcon(window.style()->standardIcon(pictures[next]));
                bar.addAction(action);
            }
            ++next;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(754, 530);
    auto* bar = window.addToolBar(QStringLiteral("Main"));
    addMenus(window, *bar);

    auto* editor = new QSplitter(Qt::Vertical, &window);
    auto* explorer = new QSplitter(Qt::Horizontal, editor);
    auto* folders = new QFileSystemModel(&window);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders->setRootPath(QDir::homePath());
    auto* tree = new QTreeView(explorer);
    tree->setModel(folders);
    tree->setHeaderHidden(true);
    for (int column = 1; column < folders->columnCount(); ++column)
        tree->hideColumn(column);
    tree->setCurrentIndex(folders->index(QDir::homePath()));
    auto* files = new QFileSystemModel(&window);
    files->setNameFilters({QStringLiteral("*.scn"), QStringLiteral("*.scx")});
    files->setNameFilterDisables(false);
    files->setRootPath(QDir::homePath());
    auto* list = new QTreeView(explorer);
    list->setModel(files);
    list->setRootIndex(files->index(QDir::homePath()));
    auto* scenarios = new QTreeWidget(editor);
    scenarios->setHeaderLabels({"Name", "File Name", "Offset", "Size"});
    for (int row = 0; row < 3; ++row)
        new QTreeWidgetItem(scenarios,
                            {QStringLiteral("Scenario %1").arg(row + 1), "file.scx", "0", "0"});
    window.setCentralWidget(editor);
    window.statusBar()->showMessage(QString());

    window.show();
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    return application.exec();
}
