// A user's actions on the Qt widgets, for scripted runs: each goes through the widget as the mouse or the
// keyboard would, so that the same signals, limits and filters apply.
#include "platform/qt/catalogue_window.h"
#include "platform/qt/qt_toolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <cassert>

namespace kedravo::platform::qt {
namespace {

void clickAt(QWidget& target, QPoint at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, target.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }
}

void press(QWidget& target, int key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &up);
}

// A line break (CR LF, or a CR or LF alone) is the Enter key; every other character is typed as it is.
void typeCharacters(QWidget& target, const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            i += text.mid(i, 2) == QStringLiteral("\r\n") ? 2 : 1;
            press(target, Qt::Key_Return, QStringLiteral("\r"));
            continue;
        }
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        press(target, 0, text.mid(i, length));
        i += length;
    }
}

void clearText(QWidget& target, bool multiLine) {
    if (multiLine) {
        auto& edit = static_cast<QPlainTextEdit&>(target);
        edit.selectAll();
        edit.textCursor().removeSelectedText();
    } else {
        auto& line = static_cast<QLineEdit&>(target);
        line.selectAll();
        line.del();
    }
}

} // namespace

Refusal QtToolkit::refusal(int control) {
    if (!windowOf(control).isVisible())
        return Refusal::Hidden;
    if (!isEnabled(control))
        return Refusal::Disabled;
    return Refusal::None;
}

Refusal QtToolkit::click(int control) {
    const Refusal refused = refusal(control);
    if (refused == Refusal::None) {
        widget<QAbstractButton>(control).click();
        QApplication::processEvents();
    }
    return refused;
}

// What the drop-down's popup does when the user picks an item.
Refusal QtToolkit::pick(int control, int position) {
    const Refusal refused = refusal(control);
    if (refused == Refusal::None) {
        auto& combo = widget<QComboBox>(control);
        assert(position >= 0 && position < combo.count());
        combo.setCurrentIndex(position);
        Q_EMIT combo.activated(position);
        QApplication::processEvents();
    }
    return refused;
}

Refusal QtToolkit::clickRow(int control, int row) {
    const Refusal refused = refusal(control);
    if (refused == Refusal::None) {
        auto& list = widget<QListWidget>(control);
        QListWidgetItem* item = list.item(row);
        assert(item);
        list.scrollToItem(item);
        clickAt(*list.viewport(), list.visualItemRect(item).center());
        QApplication::processEvents();
    }
    return refused;
}

Refusal QtToolkit::type(int control, const std::string& text) {
    Refusal refused = refusal(control);
    assert(defOf(control).kind == ControlKind::EditBox);
    if (refused == Refusal::None && (defOf(control).style & READ_ONLY))
        refused = Refusal::ReadOnly;
    if (refused == Refusal::None) {
        auto& target = widget<QWidget>(control);
        clearText(target, isTextEdit(defOf(control)));
        typeCharacters(target, QString::fromStdString(text));
        QApplication::processEvents();
    }
    return refused;
}

// As the window manager asks, whether or not the window shows a close box.
Refusal QtToolkit::closeWindow(int window) {
    CatalogueWindow& target = *windows_.at(static_cast<std::size_t>(window));
    if (!target.isVisible())
        return Refusal::Hidden;
    target.close();
    QApplication::processEvents();
    return Refusal::None;
}

// A right click in the window's corner opens the menu the user would see; the item is then chosen on it.
Refusal QtToolkit::chooseMenuItem(int window, int position) {
    CatalogueWindow& target = *windows_.at(static_cast<std::size_t>(window));
    if (!target.isVisible())
        return Refusal::Hidden;
    const QPoint corner(4, 4);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, corner, target.mapToGlobal(corner));
    QApplication::sendEvent(&target, &rightClick);
    QAction* action = target.contextMenu().actions().value(position);
    assert(action != nullptr);
    const bool enabled = action->isEnabled();
    target.contextMenu().close();
    if (!enabled)
        return Refusal::Disabled;
    action->trigger();
    QApplication::processEvents();
    return Refusal::None;
}

// To the focused control, as the keyboard would deliver it.
Refusal QtToolkit::pressKeys(int window, KeyChord chord) {
    CatalogueWindow& target = *windows_.at(static_cast<std::size_t>(window));
    if (!target.isVisible())
        return Refusal::Hidden;
    QWidget* focus = target.focusWidget() != nullptr ? target.focusWidget() : &target;
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ControlModifier, chord.control);
    modifiers.setFlag(Qt::ShiftModifier, chord.shift);
    modifiers.setFlag(Qt::AltModifier, chord.alt);
    const int key = chord.key == KEY_ENTER    ? Qt::Key_Return
                    : chord.key == KEY_ESCAPE ? Qt::Key_Escape
                                              : Qt::Key_A + (chord.key - 'A');
    QKeyEvent down(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(focus, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(focus, &up);
    QApplication::processEvents();
    return Refusal::None;
}

} // namespace kedravo::platform::qt
