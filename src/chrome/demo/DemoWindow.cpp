#include "DemoWindow.h"

#include "ChromeContext.h"
#include "GlyphStrip.h"
#include "MenuItems.h"
#include "ProgramPictures.h"
#include "SystemColors.h"
#include "ToolbarButtons.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// A thin groove between groups of toolbar buttons.
class Groove : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int x = width() / 2;
        painter.fillRect(x - 1, 0, 1, height(), SystemColors::btnShadow());
        painter.fillRect(x, 0, 1, height(), SystemColors::btnHighlight());
    }
};

} // namespace

TDemoWindow::TDemoWindow(TChromeContext& context) : m_glyphs(new TGlyphStrip(this)) {
    context.attachTo(this);
    setWindowTitle(QStringLiteral("Brindlewick chrome demo"));
    setWindowIcon(QIcon(QPixmap::fromImage(ProgramPictures::load(TPicture::WindowIcon))));
    m_glyphs->setPicture(ProgramPictures::load(TPicture::MenuGlyphs));
    m_glyphs->setCols(MenuGlyphCount);
    m_menus = TDemoMenus::create(this, m_glyphs);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeMenuBar());
    m_toolbar = makeToolbar();
    layout->addWidget(m_toolbar);
    layout->addStretch(1);
    m_status = new QLabel(this);
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);
    layout->addWidget(m_status);
    connect(&context.events(), &TApplicationEvents::OnHint, m_status, &QLabel::setText);
    wireItems();
    resize(620, 200);
}

QList<TOfficePopupMenu*> TDemoWindow::allMenus() const {
    return {m_menus.fileMenu, m_menus.scenarioMenu, m_menus.viewMenu, m_menus.helpMenu, m_menus.versionPopup};
}

QWidget* TDemoWindow::makeMenuBar() {
    auto* bar = new QWidget(this);
    bar->setFixedHeight(23);
    struct Entry {
        const char* caption;
        int width;
        TOfficePopupMenu* menu;
    };
    const Entry entries[] = {{"&File", 33, m_menus.fileMenu},
                             {"&Scenario", 55, m_menus.scenarioMenu},
                             {"&View", 33, m_menus.viewMenu},
                             {"&Help", 33, m_menus.helpMenu}};
    int x = 4;
    for (const Entry& entry : entries) {
        auto* button = new TToolbarButton(bar);
        button->setCaption(QString::fromUtf8(entry.caption));
        button->setGeometry(x, 2, entry.width, 19);
        button->setDropdownArrow(false);
        button->setDropdownMenu(entry.menu);
        x += entry.width;
    }
    return bar;
}

TToolbarButton* TDemoWindow::addPictureButton(QWidget* bar, int& x, TPicture picture, const QString& hint,
                                             bool enabled) {
    auto* button = new TToolbarButton(bar);
    button->setGeometry(x, 2, 25, 25);
    button->setGlyph(ProgramPictures::load(picture));
    button->setNumGlyphs(ProgramPictures::imageCount(picture));
    button->setHint(hint);
    button->setEnabled(enabled);
    connect(button, &TToolbarButton::OnClick, this, [this, hint] { report(hint); });
    x += 25;
    return button;
}

void TDemoWindow::addSeparator(int& x) {
    auto* groove = new Groove(m_toolbar);
    groove->setGeometry(x, 4, 6, 21);
    x += 6;
}

QWidget* TDemoWindow::makeToolbar() {
    m_toolbar = new QWidget(this);
    m_toolbar->setFixedHeight(29);
    int x = 4;
    addPictureButton(m_toolbar, x, TPicture::ToolbarNew, "New", true);
    addPictureButton(m_toolbar, x, TPicture::ToolbarOpen, "Open", true);
    addPictureButton(m_toolbar, x, TPicture::ToolbarSave, "Save", true);
    addSeparator(x);
    addPictureButton(m_toolbar, x, TPicture::ToolbarAdd, "Add Scenario", false);
    addPictureButton(m_toolbar, x, TPicture::ToolbarRemove, "Remove Scenario", false);
    addSeparator(x);
    addPictureButton(m_toolbar, x, TPicture::ToolbarReplace, "Replace Scenario", false);
    addPictureButton(m_toolbar, x, TPicture::ToolbarInsert, "Insert Scenario After...", false);
    addSeparator(x);
    addPictureButton(m_toolbar, x, TPicture::ToolbarSaveScn, "Save Scenario To Disk", false);
    addSeparator(x);

    auto* version = new TToolbarButton(m_toolbar);
    version->setGeometry(x, 2, 48, 25);
    version->setCaption(QStringLiteral("1.11"));
    version->setHint(QStringLiteral("Set Scenario Version"));
    version->setDropdownAlways(true);
    version->setDropdownMenu(m_menus.versionPopup);
    version->setDropdownCombo(true);
    connect(version, &TToolbarButton::OnClick, this, [this] { report("Set Scenario Version"); });
    x += version->width();
    addSeparator(x);

    addPictureButton(m_toolbar, x, TPicture::ToolbarOptions, "Options", true);
    addSeparator(x);
    const TPicture views[] = {TPicture::ToolbarLargeIcons, TPicture::ToolbarSmallIcons, TPicture::ToolbarList,
                           TPicture::ToolbarDetails};
    const char* hints[] = {"Large Icons", "Small Icons", "List", "Details"};
    for (int i = 0; i < 4; ++i) {
        TToolbarButton* button = addPictureButton(m_toolbar, x, views[i], hints[i], true);
        button->setGroupIndex(m_menus.viewItems[i]->GroupIndex());
        button->setDefaultItem(m_menus.viewItems[i]);
    }
    addSeparator(x);
    addPictureButton(m_toolbar, x, TPicture::ToolbarHelp, "Help", true);
    return m_toolbar;
}

void TDemoWindow::wireItems() {
    for (TOfficePopupMenu* menu : allMenus()) {
        for (TMenuItem* item : menu->Items()) {
            connect(item, &TMenuItem::OnClick, this, [this](TMenuItem* sender) { report(sender->Caption()); });
            if (TOwnerDrawPopupMenu* submenu = item->Submenu())
                for (TMenuItem* subitem : submenu->Items())
                    connect(subitem, &TMenuItem::OnClick, this,
                            [this](TMenuItem* sender) { report(sender->Caption()); });
        }
    }
    connect(m_menus.toolbarItem, &TMenuItem::OnClick, this, [this] {
        m_toolbar->setVisible(m_menus.toolbarItem->isChecked());
    });
    connect(m_menus.statusBarItem, &TMenuItem::OnClick, this, [this] {
        m_status->setVisible(m_menus.statusBarItem->isChecked());
    });
}

void TDemoWindow::report(const QString& what) {
    m_status->setText(QStringLiteral("Chosen: %1").arg(QString(what).remove(QLatin1Char('&'))));
}
