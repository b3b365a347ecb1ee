#include "platform/qt/qt_toolkit.h"
#include "qt_application.h"
#include "ui/catalogue.h"
#include "ui/controls.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace kedravo::platform::qt {
namespace {

using namespace ui;

struct Recorder : EventSink {
    std::vector<std::pair<int, Event>> events;
    void raise(int control, Event event) override { events.emplace_back(control, event); }
};

class QtToolkitTest : public testing::Test {
protected:
    QtToolkitTest() {
        qtApplication();
        kit.create(catalogue(), recorder);
    }

    QtToolkit kit;
    Recorder recorder;
};

using Events = std::vector<std::pair<int, Event>>;

TEST_F(QtToolkitTest, ProgramChangesRaiseNoEvent) {
    for (int window : {FORM2, FORM4, FORM6})
        kit.show(window);
    kit.setText(EDIT3, "2016/03/01");
    kit.setText(EDIT7, "日足\r\n週足");
    kit.setChecked(RADIO2, true);
    kit.setChecked(CHECK1, true);
    kit.addItem(COMBO4, "１回以上");
    kit.setSelected(COMBO4, 0);
    kit.addItem(LIST3, "112.5 （日足）3回");
    kit.setSelected(LIST3, 0);
    kit.clear(LIST3);
    kit.clear(COMBO4);
    EXPECT_EQ(recorder.events, Events{});
}

TEST_F(QtToolkitTest, UserActionsRaiseTheirEvents) {
    for (int window : {FORM2, FORM6})
        kit.show(window);
    kit.addItem(COMBO1, "ページ１");
    kit.addItem(COMBO1, "ページ２");
    kit.addItem(LIST3, "row 0");
    kit.addItem(LIST1, "row 0");
    const struct {
        const char* name;
        Refusal (*act)(QtToolkit&);
        Events events;
    } cases[] = {
        {"push button", [](QtToolkit& k) { return k.click(BUTTON5); }, {{BUTTON5, Event::On}}},
        {"radio button", [](QtToolkit& k) { return k.click(RADIO2); }, {{RADIO2, Event::On}}},
        {"check box", [](QtToolkit& k) { return k.click(CHECK1); }, {{CHECK1, Event::On}}},
        {"drop-down pick", [](QtToolkit& k) { return k.pick(COMBO1, 1); }, {{COMBO1, Event::Change}}},
        {"single-selection row", [](QtToolkit& k) { return k.clickRow(LIST3, 0); }, {{LIST3, Event::Click}}},
        {"main window close box", [](QtToolkit& k) { return k.closeWindow(MAINFORM); }, {{MAINFORM, Event::End}}},
    };
    for (const auto& c : cases) {
        recorder.events.clear();
        EXPECT_EQ(c.act(kit), Refusal::None) << c.name;
        EXPECT_EQ(recorder.events, c.events) << c.name;
    }
    EXPECT_TRUE(kit.isChecked(RADIO2));
    EXPECT_FALSE(kit.isChecked(RADIO1));
    EXPECT_TRUE(kit.isChecked(CHECK1));
    EXPECT_EQ(kit.selected(COMBO1), 1);
    EXPECT_EQ(kit.selected(LIST3), 0);
    EXPECT_TRUE(kit.isVisible(MAINFORM)) << "the program decides whether the main window closes";
}

TEST_F(QtToolkitTest, RefusesWhatAUserCouldNotDo) {
    kit.show(FORM3);
    kit.setEnabled(EDIT5, false);
    kit.setEnabled(BUTTON1, false);
    const struct {
        const char* name;
        Refusal (*act)(QtToolkit&);
        Refusal refusal;
    } cases[] = {
        {"control of a hidden window", [](QtToolkit& k) { return k.click(BUTTON3); }, Refusal::Hidden},
        {"hidden before disabled", [](QtToolkit& k) { return k.type(EDIT6, "x"); }, Refusal::Hidden},
        {"disabled button", [](QtToolkit& k) { return k.click(BUTTON1); }, Refusal::Disabled},
        {"disabled before read-only", [](QtToolkit& k) { return k.type(EDIT5, "1"); }, Refusal::Disabled},
        {"read-only edit box", [](QtToolkit& k) { return k.type(EDIT1, "1"); }, Refusal::ReadOnly},
        {"window without close box", [](QtToolkit& k) { return k.closeWindow(FORM3); }, Refusal::Disabled},
        {"hidden window", [](QtToolkit& k) { return k.closeWindow(FORM2); }, Refusal::Hidden},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.act(kit), c.refusal) << c.name;
    EXPECT_EQ(recorder.events, Events{});
    EXPECT_EQ(kit.text(EDIT5), "");
}

TEST_F(QtToolkitTest, TypingStopsAtTheByteLimit) {
    for (int window : {FORM2, FORM3, FORM4, FORM6})
        kit.show(window);
    const std::string twoHundred(200, 'x');
    const struct {
        const char* name;
        int control;
        std::string typed;
        std::string kept;
    } cases[] = {
        {"page name, full-width", EDIT6, "ＡＢＣＤＥＦＧＨＩＪＫＬ", "ＡＢＣＤＥＦＧＨＩＪ"},
        {"page name, mixed", EDIT6, "1234567890123456789日", "1234567890123456789"},
        {"spread", EDIT8, "0.0123456789012345", "0.012345678901"},
        {"past price", EDIT5, "123.45678901234567", "123.4567890123"},
        {"date box", EDIT3, "2016/03/01 extra", "2016/03/01"},
        {"time frames, line breaks count two", EDIT7, twoHundred.substr(0, 196) + "\r\nabc",
         twoHundred.substr(0, 196) + "\r\nab"},
        {"a lone line feed is a line break", EDIT7, "日足\n週足", "日足\r\n週足"},
        {"refused characters dropped", EDIT9, "1¥0😀5.é5", "105.5"},
        {"the date box refuses the double quote", EDIT3, "2016/\"03/01", "2016/03/01"},
        {"so do the time-frame names", EDIT7, "\"日足\"", "日足"},
        {"a box whose text is never quoted takes it", EDIT9, "1\"5", "1\"5"},
        {"typing replaces the whole text", EDIT8, "0.5", "0.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kit.type(c.control, c.typed), Refusal::None) << c.name;
        EXPECT_EQ(kit.text(c.control), c.kept) << c.name;
    }
}

TEST_F(QtToolkitTest, ProgramTextIsNotCutToTheUserLimit) {
    kit.setText(EDIT3, "2016/03/01 12:00");
    EXPECT_EQ(kit.text(EDIT3), "2016/03/01 12:00");
}

TEST_F(QtToolkitTest, MultiLineBoxesCountLinesByLineBreaks) {
    const struct {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {""}},
        {"日足", {"日足"}},
        {"日足\r\n週足", {"日足", "週足"}},
        {"日足\r\n", {"日足", ""}},
        {"a very long line that wraps several times on screen but is one line",
         {"a very long line that wraps "
          "several times on screen but is "
          "one line"}},
    };
    for (const auto& c : cases) {
        kit.setText(EDIT7, c.text);
        EXPECT_EQ(kit.text(EDIT7), c.text);
        ASSERT_EQ(kit.lineCount(EDIT7), static_cast<int>(c.lines.size())) << c.text;
        for (std::size_t n = 0; n < c.lines.size(); ++n)
            EXPECT_EQ(kit.line(EDIT7, static_cast<int>(n) + 1), c.lines[n]) << c.text;
    }
}

TEST_F(QtToolkitTest, MultipleSelectionTogglesAndSingleReplaces) {
    kit.show(FORM2);
    kit.show(FORM6);
    for (int list : {LIST1, LIST3})
        for (const char* row : {"a", "b", "c"})
            kit.addItem(list, row);
    const struct {
        int list;
        std::vector<int> clicks;
        std::vector<bool> selected;
    } cases[] = {
        {LIST1, {0, 2}, {true, false, true}},
        {LIST1, {0}, {false, false, true}},
        {LIST3, {0, 2}, {false, false, true}},
        {LIST3, {2}, {false, false, true}},
    };
    for (const auto& c : cases) {
        for (int row : c.clicks)
            kit.clickRow(c.list, row);
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(kit.isRowSelected(c.list, row), c.selected[static_cast<std::size_t>(row)])
                << "list " << c.list << " row " << row;
    }
    EXPECT_EQ(kit.selected(LIST3), 2);
}

TEST_F(QtToolkitTest, SelectionsSetByTheProgram) {
    kit.addItem(COMBO4, "１回以上");
    EXPECT_EQ(kit.selected(COMBO4), -1) << "adding an item selects nothing";
    kit.addItem(COMBO4, "２回以上");
    kit.setSelected(COMBO4, 1);
    EXPECT_EQ(kit.selected(COMBO4), 1);
    EXPECT_EQ(kit.item(COMBO4, 1), "２回以上");
    kit.setSelected(COMBO4, -1);
    EXPECT_EQ(kit.selected(COMBO4), -1);

    for (const char* row : {"a", "b"})
        kit.addItem(LIST2, row);
    kit.setSelected(LIST2, 1);
    EXPECT_EQ(kit.selected(LIST2), 1);
    kit.setSelected(LIST2, -1);
    EXPECT_EQ(kit.selected(LIST2), -1);
    EXPECT_EQ(kit.itemCount(LIST2), 2);

    kit.setChecked(RADIO2, true);
    EXPECT_FALSE(kit.isChecked(RADIO1)) << "radio buttons of one group exclude each other";
    kit.setChecked(RADIO2, false);
    EXPECT_FALSE(kit.isChecked(RADIO2));
}

TEST_F(QtToolkitTest, HiddenWindowsKeepTheirContents) {
    kit.show(FORM6);
    kit.type(EDIT9, "105.25");
    kit.addItem(LIST3, "a");
    kit.setSelected(LIST3, 0);
    kit.hide(FORM6);
    EXPECT_FALSE(kit.isVisible(FORM6));
    kit.show(FORM6);
    EXPECT_EQ(kit.text(EDIT9), "105.25");
    EXPECT_EQ(kit.selected(LIST3), 0);
}

TEST_F(QtToolkitTest, WindowsStartAsTheCatalogueSays) {
    for (const WindowDef& def : catalogue().windows) {
        EXPECT_EQ(kit.isVisible(def.id), def.visibleAtStart) << def.name;
        EXPECT_EQ(kit.isTopmost(def.id), def.topmost) << def.name;
    }
    EXPECT_EQ(kit.text(EDIT8), "0.01");
    EXPECT_EQ(kit.text(BUTTON1), "過去の価格入力");
    EXPECT_TRUE(kit.isChecked(RADIO1));
}

TEST_F(QtToolkitTest, SecondaryWindowStaysTopmostOnceMadeSo) {
    kit.show(FORM5);
    kit.makeTopmost(FORM5);
    EXPECT_TRUE(kit.isVisible(FORM5));
    EXPECT_TRUE(kit.isTopmost(FORM5));
    kit.hide(FORM5);
    EXPECT_TRUE(kit.isTopmost(FORM5));
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

// The width a control needs to show its caption or text whole.
int neededWidth(const QWidget& widget, const QString& text) {
    const int advance = widget.fontMetrics().horizontalAdvance(text);
    const QStyle& style = *widget.style();
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget);
        button && !qobject_cast<const QPushButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const bool radio = qobject_cast<const QRadioButton*>(button);
        return style
                   .subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option,
                                   button)
                   .left() +
               advance;
    }
    if (qobject_cast<const QPushButton*>(&widget))
        return advance + 2 * style.pixelMetric(QStyle::PM_ButtonMargin);
    if (qobject_cast<const QLineEdit*>(&widget))
        return advance + 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
    return advance;
}

// Every caption and initial text must be readable whole in its control at the catalogue's size.
TEST_F(QtToolkitTest, CaptionsFitTheirControls) {
    for (const ControlDef& def : catalogue().controls) {
        if (*def.caption == '\0')
            continue;
        const QWidget* widget = kit.windowWidget(def.window).findChild<QWidget*>(def.name);
        ASSERT_TRUE(widget) << def.name;
        EXPECT_LE(neededWidth(*widget, QString::fromUtf8(def.caption)), def.width) << def.name;
        EXPECT_LE(widget->fontMetrics().height(), def.height) << def.name;
    }
}

} // namespace
} // namespace kedravo::platform::qt
