// A small window with the explorer pane (folder tree beside the file list, linked, masked
// to scenario files) to try it by hand and to take screenshots.
//
//   explorer-demo [--path DIR] [--view icon|small|list|report] [--mask TEXT]
//                 [--screenshot FILE.png]
#include "Dropper.h"
#include "SystemListView.h"
#include "SystemTreeView.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QCommandLineParser>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTimer>

namespace {

TViewStyle viewStyleNamed(const QString& name) {
    if (name == QLatin1String("icon"))
        return TViewStyle::vsIcon;
    if (name == QLatin1String("small"))
        return TViewStyle::vsSmallIcon;
    if (name == QLatin1String("list"))
        return TViewStyle::vsList;
    return TViewStyle::vsReport;
}

class TExplorerDemo : public QWidget {
public:
    TExplorerDemo(const QString& mask, TViewStyle style) {
        setWindowTitle(QStringLiteral("Explorer pane"));
        auto* splitter = new QSplitter(this);
        m_tree = new TSystemTreeView(splitter);
        m_list = new TSystemListView(splitter);
        m_tree->setShowHiddenDirs(false);
        m_tree->setReadOnly(true);
        m_tree->setIndentation(19);
        m_list->setShowFolders(false);
        m_list->setMultiSelect(true);
        m_list->setReadOnly(true);
        m_list->setDragMode(TDragMode::dmAutomatic);
        m_list->setSortType(TSortType::stBoth);
        m_list->setViewStyle(style);
        m_list->setFileMask(mask);
        splitter->setSizes({209, 560});

        auto* views = new QComboBox;
        views->addItems({QStringLiteral("Large Icons"), QStringLiteral("Small Icons"),
                         QStringLiteral("List"), QStringLiteral("Details")});
        views->setCurrentIndex(static_cast<int>(style));
        connect(views, &QComboBox::currentIndexChanged, this,
                [this](int index) { m_list->setViewStyle(static_cast<TViewStyle>(index)); });

        // Files dropped here from the list or from other programs are listed.
        m_dropped = new QListWidget;
        m_dropped->setMaximumHeight(90);
        m_dropper = new TFileDropper(this);
        m_dropper->setDropSite(m_dropped);
        m_dropper->OnDrop = [this](TFileDropper*, const QByteArray& path) {
            m_dropped->addItem(QFile::decodeName(path));
        };
        m_dropper->Loaded();

        auto* bar = new QHBoxLayout;
        bar->addWidget(new QLabel(QStringLiteral("View:")));
        bar->addWidget(views);
        bar->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(bar);
        layout->addWidget(splitter, 1);
        layout->addWidget(new QLabel(QStringLiteral("Files dropped from other programs:")));
        layout->addWidget(m_dropped);
        resize(800, 520);
    }

    TSystemTreeView* tree() const { return m_tree; }

private:
    TSystemTreeView* m_tree;
    TSystemListView* m_list;
    QListWidget* m_dropped;
    TFileDropper* m_dropper;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("explorer-demo"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption path(QStringLiteral("path"), QStringLiteral("Folder to select."),
                                  QStringLiteral("dir"));
    const QCommandLineOption view(QStringLiteral("view"),
                                  QStringLiteral("icon, small, list or report."),
                                  QStringLiteral("style"), QStringLiteral("report"));
    const QCommandLineOption mask(QStringLiteral("mask"), QStringLiteral("File mask."),
                                  QStringLiteral("text"), QStringLiteral("*.scn;*.scx"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture and quit."),
                                        QStringLiteral("file"));
    parser.addOptions({path, view, mask, screenshot});
    parser.process(application);

    TExplorerDemo demo(parser.value(mask), viewStyleNamed(parser.value(view)));
    if (parser.isSet(path))
        demo.tree()->setDirectory(parser.value(path));
    demo.show();
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        QTimer::singleShot(1500, &demo, [&demo, file] {
            demo.grab().save(file);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
