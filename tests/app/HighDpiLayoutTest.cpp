// Lines and layout on screens with a scale factor. The window at scale 1 is the yardstick: this
// test program starts itself again at scale 1 to paint and measure it, then compares. At scale 2
// every chrome pixel of scale 1 must become a 2 x 2 block of the same colour; at 1.5 no pixel
// may take a colour that scale 1 does not have (a half-covered, blended line); at both, every
// part of the window keeps its place and size times the scale, within a screen pixel.
#include "../chrome/PopupTestSupport.h"
#include "Docks.h"
#include "Main.h"
#include "MainToolbars.h"
#include "ScenarioListView.h"
#include "ScriptedDialogs.h"
#include "SystemListView.h"
#include "SystemTreeView.h"
#include "TempFolder.h"
#include "ToolWindowMetrics.h"
#include "ToolbarButtons.h"
#include "Toolbars.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTextStream>
#include <QTreeWidgetItemIterator>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace {

constexpr char kReferenceFolder[] = "BRINDLEWICK_SCALE1_REFERENCE";

using Places = std::map<QString, QRect>;

// The parts whose place and size make the window's layout, in the window's coordinates.
Places placesOf(TForm1& form) {
    Places places;
    const auto add = [&form, &places](const QString& name, QWidget* part) {
        places[name] = QRect(part->mapTo(&form, QPoint(0, 0)), part->size());
    };
    const TMainToolbars& bars = form.Bars;
    places[QStringLiteral("window")] = form.rect();
    add(QStringLiteral("top dock"), form.TopDock);
    add(QStringLiteral("menu bar"), bars.MenuBar);
    add(QStringLiteral("toolbar"), bars.Toolbar);
    add(QStringLiteral("status bar"), form.StatusBar);
    add(QStringLiteral("folder tree"), form.SystemTreeView);
    add(QStringLiteral("file list"), form.SystemListView);
    add(QStringLiteral("scenario list"), form.ScenarioListView);
    add(QStringLiteral("File"), bars.FileMenuBtn);
    add(QStringLiteral("Edit"), bars.EditMenuBtn);
    add(QStringLiteral("Scenario"), bars.ScenarioMenuBtn);
    add(QStringLiteral("View"), bars.ViewMenuBtn);
    add(QStringLiteral("Help"), bars.HelpMenuBtn);
    add(QStringLiteral("New"), bars.Control(TCommandId::New));
    add(QStringLiteral("Open"), bars.Control(TCommandId::Open));
    add(QStringLiteral("Save"), bars.Control(TCommandId::Save));
    add(QStringLiteral("Add"), bars.Control(TCommandId::Add));
    add(QStringLiteral("Remove"), bars.Control(TCommandId::Remove));
    add(QStringLiteral("Replace"), bars.Control(TCommandId::Replace));
    add(QStringLiteral("Insert"), bars.Control(TCommandId::Insert));
    add(QStringLiteral("Save scenario"), bars.Control(TCommandId::SaveScn));
    add(QStringLiteral("Version"), bars.Control(TCommandId::ApplyVersion));
    add(QStringLiteral("Options"), bars.Control(TCommandId::Options));
    add(QStringLiteral("Large icons"), bars.Control(TCommandId::LargeIcons));
    add(QStringLiteral("Small icons"), bars.Control(TCommandId::SmallIcons));
    add(QStringLiteral("List"), bars.Control(TCommandId::List));
    add(QStringLiteral("Details"), bars.Control(TCommandId::Details));
    add(QStringLiteral("Help book"), bars.Control(TCommandId::Contents));
    return places;
}

void writePlaces(const Places& places, const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
    QTextStream out(&file);
    for (const auto& [name, rect] : places)
        out << name << '\t' << rect.x() << ' ' << rect.y() << ' ' << rect.width() << ' '
            << rect.height() << '\n';
}

Places readPlaces(const QString& path) {
    Places places;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return places;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(u'\t');
        if (fields.size() != 2)
            continue;
        const QStringList numbers = fields[1].split(u' ');
        if (numbers.size() == 4)
            places[fields[0]] = QRect(numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(),
                                      numbers[3].toInt());
    }
    return places;
}

// The chrome of the window as painted: the top dock with the menu bar and the toolbar, the folder
// tree's inside, the File menu, and the toolbar floating on its own.
struct PaintedChrome {
    QImage topDock;
    QImage folderTree;
    QImage fileMenu;
    QImage floatingToolbar;
    Places places;
};

const std::array<QString, 4> kPictureFiles = {
    QStringLiteral("top-dock.png"), QStringLiteral("folder-tree.png"),
    QStringLiteral("file-menu.png"), QStringLiteral("floating-toolbar.png")};

PaintedChrome paintChrome(TForm1& form) {
    PaintedChrome chrome;
    chrome.places = placesOf(form);
    chrome.topDock = form.TopDock->grab().toImage();
    chrome.folderTree = form.SystemTreeView->viewport()->grab().toImage();
    whenPopupShown([&chrome](QMenu* menu) {
        chrome.fileMenu = menu->grab().toImage();
        menu->close();
    });
    QTest::mousePress(form.Bars.FileMenuBtn, Qt::LeftButton, {}, QPoint(5, 5));
    QApplication::processEvents();
    TToolbar* toolbar = form.Bars.Toolbar;
    toolbar->setFloatingPosition(QPoint(40, 40));
    toolbar->MoveTo(nullptr, 0, 0);
    QApplication::processEvents();
    chrome.floatingToolbar = toolbar->grab().toImage();
    return chrome;
}

// The window at scale 1, painted and measured by a run of this program at that scale.
PaintedChrome scaleOneChrome(const TempFolder& folder) {
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
    environment.insert(QString::fromLatin1(kReferenceFolder), folder.path());
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=HighDpiReference.PaintAndMeasureAtScaleOne")});
    if (!run.waitForFinished(300000) || run.exitCode() != 0)
        return {};
    return {QImage(folder.path(kPictureFiles[0])), QImage(folder.path(kPictureFiles[1])),
            QImage(folder.path(kPictureFiles[2])), QImage(folder.path(kPictureFiles[3])),
            readPlaces(folder.path(QStringLiteral("places.txt")))};
}

using LeftOut = std::function<bool(QPoint)>;

// Compares a painting at the scale with the same painting at scale 1, pixel by pixel where
// `leftOut` (in logical coordinates) does not say otherwise. Returns the first difference.
std::string crispnessFault(const QImage& shownImage, const QImage& yardstickImage, qreal scale,
                           const LeftOut& leftOut) {
    const QImage shown = shownImage.convertToFormat(QImage::Format_RGB32);
    const QImage yardstick = yardstickImage.convertToFormat(QImage::Format_RGB32);
    if (shown.size() != (QSizeF(yardstick.size()) * scale).toSize())
        return "size " + std::to_string(shown.width()) + "x" + std::to_string(shown.height());
    QSet<QRgb> colours;
    for (int y = 0; y < yardstick.height(); ++y)
        for (int x = 0; x < yardstick.width(); ++x)
            if (!leftOut(QPoint(x, y)))
                colours.insert(yardstick.pixel(x, y));
    // At a whole scale each pixel of scale 1 is a block of that colour; between whole scales
    // a line may take one pixel more or less, but never a colour scale 1 does not have.
    const bool wholeScale = scale == std::floor(scale);
    int wrong = 0;
    QString first;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QPoint logical(int(x / scale), int(y / scale));
            if (!yardstick.rect().contains(logical) || leftOut(logical))
                continue;
            const QRgb colour = shown.pixel(x, y);
            const bool right =
                wholeScale ? colour == yardstick.pixel(logical) : colours.contains(colour);
            if (!right && wrong++ == 0)
                first = QStringLiteral("%1,%2 is #%3, at scale 1 #%4")
                            .arg(x)
                            .arg(y)
                            .arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                            .arg(yardstick.pixel(logical) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        }
    }
    if (wrong == 0)
        return {};
    return std::to_string(wrong) + " pixels wrong, first " + first.toStdString();
}

bool insideAny(const QList<QRect>& rects, QPoint logical) {
    for (const QRect& rect : rects)
        if (rect.contains(logical))
            return true;
    return false;
}

// Parts with text (glyphs are drawn anew at each scale, not enlarged) or drawn by Qt's own
// style, in the coordinates of `origin`'s window part.
QList<QRect> textOrStyleParts(const Places& places, QPoint origin) {
    QList<QRect> rects;
    for (const QString& name :
         {QStringLiteral("File"), QStringLiteral("Edit"), QStringLiteral("Scenario"), QStringLiteral("View"),
          QStringLiteral("Help"), QStringLiteral("Version"), QStringLiteral("New")})
        rects << places.at(name).translated(-origin);
    return rects;
}

class ShownWindow {
public:
    ShownWindow() : m_form(m_dialogs, {}) {
        m_form.show();
        m_exposed = QTest::qWaitForWindowExposed(&m_form);
        // Active in both runs alike: the selected folder's highlight depends on it.
        m_form.activateWindow();
        m_exposed = QTest::qWaitForWindowActive(&m_form) && m_exposed;
    }
    TForm1& form() { return m_form; }
    bool exposed() const { return m_exposed; }

private:
    ScriptedDialogs m_dialogs;
    TForm1 m_form;
    bool m_exposed = false;
};

} // namespace

// Not a test of its own: the yardstick run that the tests below start at scale 1.
TEST(HighDpiReference, PaintAndMeasureAtScaleOne) {
    const QString folder = qEnvironmentVariable(kReferenceFolder);
    if (folder.isEmpty())
        GTEST_SKIP() << "started by the scale tests";
    ShownWindow window;
    ASSERT_TRUE(window.exposed());
    const PaintedChrome chrome = paintChrome(window.form());
    ASSERT_TRUE(chrome.topDock.save(folder + u'/' + kPictureFiles[0]));
    ASSERT_TRUE(chrome.folderTree.save(folder + u'/' + kPictureFiles[1]));
    ASSERT_TRUE(chrome.fileMenu.save(folder + u'/' + kPictureFiles[2]));
    ASSERT_TRUE(chrome.floatingToolbar.save(folder + u'/' + kPictureFiles[3]));
    writePlaces(chrome.places, folder + "/places.txt");
}

// Run by ctest with QT_SCALE_FACTOR 2 and 1.5: the window painted and measured at scale 1 by a
// child run, beside the same window shown at the scale under test.
class HighDpiScaledWindow : public ::testing::Test {
protected:
    // The run at scale 1 is the same for every test here: it is made once.
    static void SetUpTestSuite() {
        if (qApp->devicePixelRatio() == 1.0)
            return;
        const TempFolder folder;
        s_one = scaleOneChrome(folder);
    }
    static void TearDownTestSuite() { s_one = PaintedChrome(); }

    void SetUp() override {
        if (scale == 1.0)
            GTEST_SKIP() << "needs QT_SCALE_FACTOR";
        ASSERT_FALSE(one.places.empty()) << "the run at scale 1 failed";
        shown.emplace();
        ASSERT_TRUE(shown->exposed());
    }
    TForm1& form() { return shown->form(); }

    static inline PaintedChrome s_one;
    const qreal scale = qApp->devicePixelRatio();
    const PaintedChrome& one = s_one;
    std::optional<ShownWindow> shown;
};

TEST_F(HighDpiScaledWindow, LayoutKeepsItsProportions) {
    const Places places = placesOf(form());
    for (const auto& [name, rect] : one.places) {
        ASSERT_TRUE(places.count(name)) << name.toStdString();
        const QRect now = places.at(name);
        // Logical units times the scale are screen pixels.
        EXPECT_LE(std::abs(now.left() - rect.left()) * scale, 1.0) << name.toStdString();
        EXPECT_LE(std::abs(now.top() - rect.top()) * scale, 1.0) << name.toStdString();
        EXPECT_LE(std::abs(now.width() - rect.width()) * scale, 1.0) << name.toStdString();
        EXPECT_LE(std::abs(now.height() - rect.height()) * scale, 1.0) << name.toStdString();
    }
}

TEST_F(HighDpiScaledWindow, LinesStayCrisp) {
    const PaintedChrome now = paintChrome(form());

    const QList<QRect> dockText =
        textOrStyleParts(one.places, one.places.at(QStringLiteral("top dock")).topLeft());
    EXPECT_EQ(crispnessFault(now.topDock, one.topDock, scale,
                             [&dockText](QPoint p) { return insideAny(dockText, p); }),
              "")
        << "top dock at scale " << scale;

    // The tree's branch lines and buttons; not the nodes' pictures and names.
    QList<QRect> nodes;
    TSystemTreeView* tree = form().SystemTreeView;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        nodes << tree->visualItemRect(*it);
    ASSERT_FALSE(nodes.isEmpty());
    EXPECT_EQ(crispnessFault(now.folderTree, one.folderTree, scale,
                             [&nodes](QPoint p) { return insideAny(nodes, p); }),
              "")
        << "folder tree's branches at scale " << scale;

    // The menu's frame, two lines on each side; the items inside show text.
    const QRect menu = QRect(QPoint(0, 0), one.fileMenu.size()).adjusted(2, 2, -2, -2);
    EXPECT_EQ(crispnessFault(now.fileMenu, one.fileMenu, scale,
                             [&menu](QPoint p) { return menu.contains(p); }),
              "")
        << "File menu's frame at scale " << scale;

    // The floating frame, its caption bar and close button; not the caption's text.
    TToolbar* toolbar = form().Bars.Toolbar;
    const TFloatingFrameMetrics metrics = toolbar->FloatingMetrics();
    const QSize size = one.floatingToolbar.size();
    QRect captionText = metrics.captionRect(size);
    captionText.setRight(metrics.closeButtonRect(size).left() - 1);
    QList<QRect> floatingText;
    for (const TCommandId id : {TCommandId::ApplyVersion, TCommandId::New}) {
        const QWidget* button = form().Bars.Control(id);
        floatingText << QRect(button->mapTo(toolbar, QPoint(0, 0)), button->size());
    }
    floatingText << captionText;
    EXPECT_EQ(crispnessFault(now.floatingToolbar, one.floatingToolbar, scale,
                             [&floatingText](QPoint p) { return insideAny(floatingText, p); }),
              "")
        << "floating toolbar at scale " << scale;
}
