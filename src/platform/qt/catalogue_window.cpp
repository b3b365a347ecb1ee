#include "platform/qt/catalogue_window.h"

#include "platform/key_chords.h"
#include "platform/qt/control_look.h"
#include "platform/screen_fit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <vector>

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

char keyOf(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<char>('A' + (key - Qt::Key_A));
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return KEY_ENTER;
    return key == Qt::Key_Escape ? KEY_ESCAPE : '\0';
}

KeyChord chordOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    return {modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::ShiftModifier),
            modifiers.testFlag(Qt::AltModifier), keyOf(key.key())};
}

std::vector<Area> availableAreas() {
    std::vector<Area> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        areas.push_back({area.left(), area.top(), area.width(), area.height()});
    }
    return areas;
}

} // namespace

CatalogueWindow::CatalogueWindow(const WindowDef& def, EventSink& events, ButtonPress press)
    : QWidget(nullptr, frameFlags(def)), def_(def), events_(events), press_(std::move(press)) {
    setWindowTitle(QString::fromUtf8(def.caption));
    setFixedSize(outerSize().shrunkBy(CATALOGUE_FRAME));
    move(def.left, def.top);
    applyColours(*this, STYLE_NONE);
    setAutoFillBackground(true);
    qApp->installEventFilter(this);
}

// Positions and screens are both in device-independent pixels, so a scale factor shrinks the screens alike.
void CatalogueWindow::fitOnScreens() {
    const std::vector<Area> areas = availableAreas();
    const Position fitted = fittedPosition({x(), y(), def_.width, def_.height}, areas);
    move(fitted.left, fitted.top);
}

void CatalogueWindow::showOnScreen() {
    fitOnScreens();
    show();
}

void CatalogueWindow::moveTo(QPoint position) {
    move(position);
    if (isVisible())
        fitOnScreens();
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

// The controls' own menus (an edit box's copy and paste) give way to the window's.
void CatalogueWindow::setMenu(const std::vector<MenuItem>& items) {
    menu_ = items;
    for (QWidget* child : findChildren<QWidget*>())
        child->setContextMenuPolicy(menu_.empty() ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

void CatalogueWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (menu_.empty()) {
        event->ignore();
        return;
    }
    contextMenu_.clear();
    for (const MenuItem& item : menu_) {
        QAction* action = contextMenu_.addAction(QString::fromUtf8(item.text));
        action->setEnabled(item.enabled);
        connect(action, &QAction::triggered, this, [this, raised = item.event] { events_.raise(def_.id, raised); });
    }
    contextMenu_.popup(event->globalPos());
}

// Seen before the focused control, so that an edit box does not take Ctrl+Z as its own typing undo.
bool CatalogueWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return false;
    return takeKey(*static_cast<QKeyEvent*>(event));
}

// Enter on a focused push button presses that button, as in any dialog, rather than the window's Enter button.
bool CatalogueWindow::takeKey(const QKeyEvent& key) {
    const KeyChord chord = chordOf(key);
    if (const std::optional<Event> event = chordEvent(chord); event && def_.undoKeys) {
        events_.raise(def_.id, *event);
        return true;
    }
    std::vector<int> buttons = chordButtons(def_, chord);
    if (buttons.empty())
        return false;
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused && chord.key == KEY_ENTER)
        focused->click();
    else
        for (int button : buttons)
            press_(button);
    return true;
}

void CatalogueWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (def_.closeBox)
        events_.raise(def_.id, Event::End);
    else
        for (int button : closeRequestButtons(def_))
            press_(button);
}

} // namespace kedravo::platform::qt
