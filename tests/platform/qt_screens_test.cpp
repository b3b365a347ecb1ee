// Windows on the screens present, whatever positions they bring from an earlier session: run on two screens, a
// laptop's and a larger one left of it and higher, at scale 1 and at scale 2.
#include "platform/qt/qt_toolkit.h"
#include "qt_application.h"
#include "ui/catalogue.h"
#include "ui/controls.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <gtest/gtest.h>

namespace kedravo::platform::qt {
namespace {

using namespace ui;

struct Ignore : EventSink {
    void raise(int, Event) override {}
};

QRect outer(QtToolkit& kit, int window) {
    const WindowDef& def = catalogue().windows[static_cast<std::size_t>(window)];
    const Position at = kit.position(window);
    return {at.left, at.top, def.width, def.height};
}

// Wholly on the screens' available areas, or with its top left corner on an area too small for it.
bool reachable(const QRect& window) {
    QRegion areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        if (area.contains(window.topLeft()) && (window.width() > area.width() || window.height() > area.height()))
            return true;
        areas += area;
    }
    return QRegion(window).subtracted(areas).isEmpty();
}

class QtScreensTest : public testing::Test {
protected:
    QtScreensTest() {
        qtApplication();
        kit.create(catalogue(), ignore);
    }
    Ignore ignore;
    QtToolkit kit;
};

TEST_F(QtScreensTest, TheMainWindowIsOnAScreenFromItsFirstShow) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    EXPECT_TRUE(reachable(outer(kit, MAINFORM)));
}

// At scale 2 Qt keeps each screen's origin and halves its size, so the screens no longer touch; a window across
// them then fits at scale 1 only.
TEST_F(QtScreensTest, ShownWindowsAreMovedOntoTheScreensAndThoseThatFitKept) {
    const QRect left = QGuiApplication::screens().at(1)->availableGeometry();
    const struct {
        const char* name;
        int window;
        bool shownFirst; // moved while shown, as start-up moves the main window
        Position at;
    } cases[] = {
        {"a large screen's position, shown", MAINFORM, true, {950, 564}},
        {"a large screen's position, hidden", FORM6, false, {1289, 700}},
        {"off every screen", FORM5, false, {5000, -4000}},
        {"wholly on the left screen", FORM2, false, {left.left() + 10, left.top() + 10}},
        {"on the laptop screen", FORM3, true, {20, 30}},
        {"across both screens", FORM4, false, {-100, 100}},
    };
    for (const auto& c : cases) {
        if (c.shownFirst)
            kit.show(c.window);
        const QRect before(QPoint(c.at.left, c.at.top), outer(kit, c.window).size());
        kit.move(c.window, c.at);
        kit.show(c.window);
        const QRect shown = outer(kit, c.window);
        EXPECT_TRUE(reachable(shown)) << c.name;
        if (reachable(before)) {
            EXPECT_EQ(kit.position(c.window), c.at) << c.name;
        }
        kit.hide(c.window);
        EXPECT_EQ(outer(kit, c.window), shown) << c.name << ": a hidden window keeps where it was";
    }
}

} // namespace
} // namespace kedravo::platform::qt
