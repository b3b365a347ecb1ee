#include "platform/qt/catalogue_window.h"

#include "platform/qt/control_look.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace kedravo::platform::qt {
namespace {

Qt::WindowFlags frameFlags(const WindowDef& def) {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    if (def.closeBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (def.topmost)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

int clampedStart(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

CatalogueWindow::CatalogueWindow(const WindowDef& def, EventSink& events)
    : QWidget(nullptr, frameFlags(def)), def_(def), events_(events) {
    setWindowTitle(QString::fromUtf8(def.caption));
    setFixedSize(outerSize().shrunkBy(CATALOGUE_FRAME));
    move(def.left, def.top);
    applyColours(*this, STYLE_NONE);
    setAutoFillBackground(true);
}

void CatalogueWindow::showOnScreen() {
    const QRect outer(pos(), outerSize());
    const QScreen* screen = QGuiApplication::screenAt(outer.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    move(clampedStart(outer.left(), outer.width(), area.left(), area.width()),
         clampedStart(outer.top(), outer.height(), area.top(), area.height()));
    show();
}

// Changing a window flag hides a visible window, so it is shown again.
void CatalogueWindow::makeTopmost() {
    if (isTopmost())
        return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (wasVisible)
        show();
}

bool CatalogueWindow::isTopmost() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void CatalogueWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (def_.closeBox)
        events_.raise(def_.id, Event::End);
}

} // namespace kedravo::platform::qt
