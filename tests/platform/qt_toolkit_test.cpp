// What the Qt toolkit must do beyond the contract every backend keeps: the catalogue's look, the screen, and the
// ways a real user reaches the widgets that a script does not (pasting, the keyboard).
#include "longest_texts.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/qt_toolkit.h"
#include "qt_application.h"
#include "tab_walks.h"
#include "ui/catalogue.h"
#include "ui/controls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace kedravo::platform::qt {
namespace {

using namespace ui;
using Events = std::vector<std::pair<int, Event>>;

struct Recorder : EventSink {
    Events events;
    void raise(int control, Event event) override { events.emplace_back(control, event); }
};

class QtToolkitTest : public testing::Test {
protected:
    QtToolkitTest() {
        qtApplication();
        kit.create(catalogue(), recorder);
    }

    // A user reaches the widgets of a shown window only; a window's controls are made when it first shows.
    template <class Widget> Widget& widget(int control) {
        const ControlDef& def = catalogue().controls[static_cast<std::size_t>(control)];
        if (!kit.isVisible(def.window))
            kit.show(def.window);
        auto* found = kit.windowWidget(def.window).findChild<Widget*>(def.name);
        EXPECT_TRUE(found) << def.name;
        return *found;
    }

    QtToolkit kit;
    Recorder recorder;
};

// Pastes the text at the end of the box through the clipboard, as the user's Ctrl+V does.
void paste(QWidget& box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    if (auto* line = qobject_cast<QLineEdit*>(&box)) {
        line->end(false);
        line->paste();
    } else {
        auto& edit = dynamic_cast<QPlainTextEdit&>(box);
        edit.moveCursor(QTextCursor::End);
        edit.paste();
    }
}

// A paste inserts many characters in one edit; the box keeps what its typing rule lets through.
TEST_F(QtToolkitTest, PastedTextIsHeldToTheTypingRule) {
    const struct {
        const char* name;
        int control;
        const char* before;
        const char* pasted;
        const char* kept;
    } cases[] = {
        {"page name cut at 20 bytes", EDIT6, "", "ＡＢＣＤＥＦＧＨＩＪＫＬ", "ＡＢＣＤＥＦＧＨＩＪ"},
        {"spread cut at 14 bytes", EDIT8, "0.", "0123456789012345", "0.012345678901"},
        {"refused characters dropped", EDIT9, "", "1¥0😀5.é5", "105.5"},
        {"time frames: line breaks count two", EDIT7, "", "1234567890\n1234567890\n", "1234567890\r\n1234567890\r\n"},
        {"time frames: tabs and emoji dropped", EDIT7, "日足", "\t週😀足", "日足週足"},
    };
    for (const auto& c : cases) {
        kit.setText(c.control, c.before);
        paste(widget<QWidget>(c.control), QString::fromUtf8(c.pasted));
        EXPECT_EQ(kit.text(c.control), c.kept) << c.name;
    }
}

// A Japanese input method (fcitx, ibus) first shows the text being composed inside the box, then commits it: only
// the commit goes in, held to the typing rule like typed text.
TEST_F(QtToolkitTest, AnInputMethodsCommitIsHeldToTheTypingRule) {
    const std::string nearlyFull(198, 'x');
    const struct {
        const char* name;
        int control;
        std::string before;
        const char* committed;
        std::string kept;
    } cases[] = {
        {"a page name composed in kanji", EDIT6, "", "米ドル円", "米ドル円"},
        {"a page name cut at 20 bytes", EDIT6, "ＡＢＣＤＥＦＧＨＩ", "ドル円", "ＡＢＣＤＥＦＧＨＩド"},
        {"a price in full-width digits cut at 14 bytes", EDIT5, "", "１０５．１２３４５", "１０５．１２３"},
        {"a time frame in the multi-line box", EDIT7, "日足\r\n", "週足", "日足\r\n週足"},
        {"time frames cut at 200 bytes", EDIT7, nearlyFull, "月足", nearlyFull + "月"},
    };
    for (const auto& c : cases) {
        auto& box = widget<QWidget>(c.control);
        kit.setText(c.control, c.before);
        if (auto* line = qobject_cast<QLineEdit*>(&box))
            line->end(false);
        else
            dynamic_cast<QPlainTextEdit&>(box).moveCursor(QTextCursor::End);
        QInputMethodEvent composing(QString::fromUtf8(c.committed), {});
        QApplication::sendEvent(&box, &composing);
        EXPECT_EQ(kit.text(c.control), c.before) << c.name << ": the composition is not yet the box's text";
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(c.committed));
        QApplication::sendEvent(&box, &commit);
        EXPECT_EQ(kit.text(c.control), c.kept) << c.name;
    }
}

// The multi-line box holds a paste to the rule before it goes in, so that no undo step brings back what it refused.
TEST_F(QtToolkitTest, UndoTakesBackAPasteAsTheBoxTookIt) {
    paste(widget<QWidget>(EDIT7), QStringLiteral("日足\t週足\n"));
    ASSERT_EQ(kit.text(EDIT7), "日足週足\r\n");
    widget<QPlainTextEdit>(EDIT7).undo();
    EXPECT_EQ(kit.text(EDIT7), "");
    widget<QPlainTextEdit>(EDIT7).redo();
    EXPECT_EQ(kit.text(EDIT7), "日足週足\r\n");
}

TEST_F(QtToolkitTest, TheProgramsTextIsNotCutToTheUsersLimit) {
    kit.setText(EDIT3, "2016/03/01 09:30");
    EXPECT_EQ(kit.text(EDIT3), "2016/03/01 09:30");
    EXPECT_EQ(widget<QLineEdit>(EDIT3).cursorPosition(), 0) << "a box given a text shows its beginning";
}

TEST_F(QtToolkitTest, TheKeyboardMovingTheSingleSelectionIsAClick) {
    kit.show(FORM2);
    kit.show(FORM6);
    for (int list : {LIST1, LIST3})
        for (const char* row : {"a", "b", "c"})
            kit.addItem(list, row);
    const struct {
        int list;
        Events events;
    } cases[] = {{LIST3, {{LIST3, Event::Click}}}, {LIST1, {}}};
    for (const auto& c : cases) {
        recorder.events.clear();
        kit.setSelected(c.list, 0);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(&widget<QListWidget>(c.list), &down);
        EXPECT_EQ(recorder.events, c.events) << c.list;
    }
    EXPECT_EQ(kit.selected(LIST3), 1);
}

// Keyboard-only use: Tab walks a window's controls as the window is read, top to bottom and left to right, stops
// at the checked one of the radio buttons, and comes round to the first again.
TEST_F(QtToolkitTest, TabFollowsTheLayout) {
    for (const test::TabWalk& c : test::tabWalks()) {
        const char* name = catalogue().windows[static_cast<std::size_t>(c.window)].name;
        if (c.checked >= 0)
            kit.setChecked(c.checked, true);
        kit.show(c.window);
        QApplication::setActiveWindow(&kit.windowWidget(c.window));
        kit.windowWidget(c.window).findChild<QWidget*>(QString::fromStdString(c.stops.front()))->setFocus();

        std::vector<std::string> visited;
        for (std::size_t step = 0; step <= c.stops.size(); ++step) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_TRUE(focused) << name;
            visited.push_back(focused->objectName().toStdString());
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(focused, &tab);
        }
        EXPECT_EQ(visited, c.roundTrip()) << name;
        kit.hide(c.window);
    }
}

// The window stays as it is: hiding or ending is the program's answer to the events.
TEST_F(QtToolkitTest, ACloseRequestRaisesEndOrPressesTheCloseButtons) {
    const struct {
        int window;
        Events events;
    } cases[] = {
        {MAINFORM, {{MAINFORM, Event::End}}},
        {FORM3, {{BUTTON7, Event::On}}},
        {FORM4, {{BUTTON11, Event::On}, {BUTTON9, Event::On}}},
    };
    for (const auto& c : cases) {
        kit.show(c.window);
        recorder.events.clear();
        EXPECT_EQ(kit.closeWindow(c.window), Refusal::None) << c.window;
        EXPECT_EQ(recorder.events, c.events) << c.window;
        EXPECT_TRUE(kit.isVisible(c.window)) << c.window;
    }
}

// Keys as the keyboard sends them to the focused control.
TEST_F(QtToolkitTest, EnterAndEscapePressTheWindowsButtons) {
    const struct {
        const char* name;
        int focus;
        int key;
        Events events;
    } cases[] = {
        {"Enter in the price box registers", EDIT5, Qt::Key_Return, {{BUTTON6, Event::On}}},
        {"Enter on the keypad too", COMBO2, Qt::Key_Enter, {{BUTTON6, Event::On}}},
        {"Enter on a focused button presses it", BUTTON7, Qt::Key_Return, {{BUTTON7, Event::On}}},
        {"no Enter button in the update window", EDIT3, Qt::Key_Return, {}},
        {"Escape closes", LIST3, Qt::Key_Escape, {{BUTTON16, Event::On}}},
        {"Escape in the page settings cancels, then closes",
         EDIT7,
         Qt::Key_Escape,
         {{BUTTON11, Event::On}, {BUTTON9, Event::On}}},
        {"Enter in the names box is a line break", EDIT7, Qt::Key_Return, {}},
        {"Escape leaves the main window alone", COMBO1, Qt::Key_Escape, {}},
    };
    for (const auto& c : cases) {
        const int window = catalogue().controls[static_cast<std::size_t>(c.focus)].window;
        kit.show(window);
        QApplication::setActiveWindow(&kit.windowWidget(window));
        widget<QWidget>(c.focus).setFocus();
        recorder.events.clear();
        QKeyEvent down(QEvent::KeyPress, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &down);
        EXPECT_EQ(recorder.events, c.events) << c.name;
        kit.hide(window);
    }
    EXPECT_EQ(kit.text(EDIT7), "\r\n");
}

TEST_F(QtToolkitTest, MakingAShownWindowTopmostKeepsItShownWhereItIs) {
    kit.show(FORM5);
    const Position before = kit.position(FORM5);
    kit.makeTopmost(FORM5);
    EXPECT_TRUE(kit.isVisible(FORM5));
    EXPECT_TRUE(kit.isTopmost(FORM5));
    EXPECT_EQ(kit.position(FORM5), before);
}

TEST_F(QtToolkitTest, WindowsAreMovedOntoTheScreenWhenShown) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const WindowDef& main = catalogue().windows[MAINFORM];
    const struct {
        const char* name;
        Position at;
        Position shown;
    } cases[] = {
        {"inside stays", {10, 20}, {10, 20}},
        {"beyond the bottom right",
         {screen.right(), screen.bottom()},
         {screen.right() + 1 - main.width, screen.bottom() + 1 - main.height}},
        {"beyond the top left", {-50, -50}, {screen.left(), screen.top()}},
    };
    for (const auto& c : cases) {
        kit.hide(MAINFORM);
        kit.move(MAINFORM, c.at);
        EXPECT_EQ(kit.position(MAINFORM), c.at) << c.name;
        kit.show(MAINFORM);
        EXPECT_EQ(kit.position(MAINFORM), c.shown) << c.name;
    }
}

// The width a control needs to show `text` whole: a check box's or radio button's text starts after its mark.
int neededWidth(const QWidget& widget, const QString& text) {
    const int advance = widget.fontMetrics().horizontalAdvance(text);
    const QStyle& style = *widget.style();
    if (qobject_cast<const QPushButton*>(&widget))
        return advance + 2 * style.pixelMetric(QStyle::PM_ButtonMargin);
    if (qobject_cast<const QLineEdit*>(&widget))
        return advance + 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const auto contents =
            qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
        return style.subElementRect(contents, &option, button).left() + advance;
    }
    return advance;
}

// Whole, and in a font that has every character (no boxes for the Japanese).
TEST_F(QtToolkitTest, CaptionsFitTheirControls) {
    for (const ControlDef& def : catalogue().controls) {
        if (*def.caption == '\0')
            continue;
        const auto& shown = widget<QWidget>(def.id);
        const QString caption = QString::fromUtf8(def.caption);
        EXPECT_LE(neededWidth(shown, caption), def.width) << def.name;
        EXPECT_LE(shown.fontMetrics().height(), def.height) << def.name;
        for (char32_t c : caption.toUcs4())
            EXPECT_TRUE(shown.fontMetrics().inFontUcs4(c)) << def.name << " U+" << std::hex << unsigned(c);
    }
}

TEST_F(QtToolkitTest, WindowsHaveAFixedFrameAndOnlyTheMainWindowACloseBox) {
    for (const WindowDef& def : catalogue().windows) {
        const QWidget& window = kit.windowWidget(def.id);
        const Qt::WindowFlags flags = window.windowFlags();
        EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), def.closeBox) << def.name;
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << def.name;
        EXPECT_EQ(window.minimumSize(), window.maximumSize()) << def.name;
        EXPECT_EQ(window.windowTitle().toStdString(), def.caption) << def.name;
    }
}

TEST_F(QtToolkitTest, ScrollingToTheEndShowsTheLastLine) {
    std::string rows;
    for (int row = 0; row < 40; ++row)
        rows += "112.5 （日足）   3回\r\n";
    kit.setText(EDIT1, rows);
    kit.scrollToEnd(EDIT1);
    const QScrollBar& bar = *widget<QPlainTextEdit>(EDIT1).verticalScrollBar();
    EXPECT_GT(bar.maximum(), 0);
    EXPECT_EQ(bar.value(), bar.maximum());
}

// Texts the program puts into the controls of the catalogue's larger fonts: a date, a time, a price.
TEST_F(QtToolkitTest, DatesTimesAndPricesFitTheirBoxes) {
    const std::pair<int, const char*> cases[] = {
        {EDIT3, "2016/12/31"}, {EDIT4, "23:59:59"}, {TEXT8, "999.99999"}, {TEXT1, "999.99999"}};
    for (const auto& [control, text] : cases) {
        const ControlDef& def = catalogue().controls[static_cast<std::size_t>(control)];
        EXPECT_LE(neededWidth(widget<QWidget>(control), QString::fromUtf8(text)), def.width) << def.name;
    }
}

// The longest texts, in the fonts start-up sets: the closed drop-down and its list dropped down both show them
// whole.
TEST_F(QtToolkitTest, TheLongestTextsShowWhole) {
    for (const ControlDef& def : catalogue().controls)
        kit.setFont(def.id, def.face, def.fontSize);
    for (const WindowDef& def : catalogue().windows)
        kit.show(def.id);
    for (const auto& [control, text] : LONGEST_EDIT_TEXTS) {
        kit.setText(control, text);
        const ControlDef& def = catalogue().controls[static_cast<std::size_t>(control)];
        EXPECT_LE(neededWidth(widget<QLineEdit>(control), QString::fromUtf8(text)), def.width) << def.name;
    }
    for (const auto& [control, text] : LONGEST_ITEMS) {
        kit.clear(control);
        kit.addItem(control, text);
        kit.setSelected(control, 0);
        auto& combo = widget<DropDown>(control);
        QStyleOptionComboBox option;
        option.initFrom(&combo);
        option.currentText = combo.currentText();
        const QRect field =
            combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
        EXPECT_LE(QFontMetrics(combo.labelFont()).horizontalAdvance(option.currentText), field.width())
            << combo.objectName().toStdString() << " closed";
        combo.showPopup();
        const QAbstractItemView& view = *combo.view();
        EXPECT_LE(view.visualRect(view.model()->index(0, 0)).left() + view.sizeHintForColumn(0),
                  view.viewport()->width())
            << combo.objectName().toStdString() << " dropped down";
        combo.hidePopup();
    }
}

} // namespace
} // namespace kedravo::platform::qt
