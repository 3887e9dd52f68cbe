#include "QtTestEnvironment.h"

#include "DockedFormLayout.h"
#include "ToolbarButtons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "chrome_widget_tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// A small glyph: a dark square on the strip's transparent grey.
QImage squareGlyph() {
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(qRgb(192, 192, 192));
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            glyph.setPixel(x, y, qRgb(0, 0, 128));
    return glyph;
}

TToolbarButton* button(QWidget* parent, int width, int height) {
    auto* control = new TToolbarButton(parent);
    control->resize(width, height);
    return control;
}

TToolbarButton* captionButton(QWidget* parent, const QString& caption, int width) {
    TToolbarButton* control = button(parent, width, 19);
    control->setCaption(caption);
    return control;
}

TToolbarButton* glyphButton(QWidget* parent, int width) {
    TToolbarButton* control = button(parent, width, 25);
    control->setGlyph(squareGlyph());
    return control;
}

} // namespace

DockedForm::DockedForm(QWidget* host) : form(std::make_unique<QWidget>(host)) {
    context.attachTo(form.get());
    top = new TDock(form.get(), TDockPosition::dpTop);
    bottom = new TDock(form.get(), TDockPosition::dpBottom);
    left = new TDock(form.get(), TDockPosition::dpLeft);
    right = new TDock(form.get(), TDockPosition::dpRight);
    client = new QWidget(form.get());
    LayoutDockedForm(form.get(), top, bottom, left, right, client);
    form->setGeometry(host ? 0 : 100, host ? 0 : 100, 600, 400);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form->window()));
}

DockedForm::~DockedForm() = default;

TToolbar* makeMenuBar(TDock* dock) {
    auto* bar = new TToolbar(dock);
    bar->setObjectName(QStringLiteral("MenuBar"));
    bar->setCaption(QStringLiteral("Menu"));
    bar->setDragHandleStyle(TDragHandleStyle::dhSingle);
    bar->setCloseButton(false);
    bar->setFullSize(true);
    bar->setDockRow(0);
    captionButton(bar, QStringLiteral("&File"), 33);
    captionButton(bar, QStringLiteral("&Scenario"), 55);
    captionButton(bar, QStringLiteral("&View"), 33);
    captionButton(bar, QStringLiteral("&Help"), 33);
    bar->ArrangeSelf();
    return bar;
}

TToolbar* makeStandardToolbar(TDock* dock) {
    auto* bar = new TToolbar(dock);
    bar->setObjectName(QStringLiteral("Toolbar"));
    bar->setCaption(QStringLiteral("Standard Toolbar"));
    bar->setDragHandleStyle(TDragHandleStyle::dhSingle);
    bar->setDockRow(1);
    bar->setDockPos(0);
    // 0 = separator, otherwise the button's width; negative: a button disabled at start-up.
    for (int item :
         {25, 25, 25, 0, -25, -25, 0, -25, -25, 0, -25, 0, -59, 0, 25, 0, 25, 25, 25, 25, 0, 25}) {
        if (item == 0) {
            new TToolbarSep(bar);
            continue;
        }
        TToolbarButton* control = glyphButton(bar, std::abs(item));
        control->setEnabled(item > 0);
    }
    bar->ArrangeSelf();
    return bar;
}

TToolbar* makeButtonBar(QWidget* parent, int count) {
    auto* bar = new TToolbar(parent);
    for (int i = 0; i < count; ++i)
        glyphButton(bar, 25);
    bar->ArrangeSelf();
    return bar;
}

void postMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::KeyboardModifiers modifiers) {
    const QPointF local = target->mapFromGlobal(QPointF(global));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QCoreApplication::postEvent(
        target, new QMouseEvent(type, local, local, QPointF(global), button, buttons, modifiers));
}

void postKey(QWidget* target, QEvent::Type type, Qt::Key key) {
    QCoreApplication::postEvent(target, new QKeyEvent(type, key, Qt::NoModifier));
}
