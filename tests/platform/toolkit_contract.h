#pragma once
// The toolkit contract: the rules every backend must keep the same way, so that headless tests and scripts show
// what the desktop program does. A backend joins by instantiating the suite once, in one test source, with a
// factory that returns a fresh ScriptBackend each time it is called (a test may call it more than once, and
// creates the test catalogue on what it returns):
//
//   INSTANTIATE_TEST_SUITE_P(Qt, ToolkitContract,
//                            testing::Values(ContractBackend{"qt", [] { return makeQtBackend(argc, argv); }}),
//                            contractBackendName);
#include "platform/script_backend.h"
#include "test_catalogue.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace kedravo::test {

struct ContractBackend {
    const char* name;
    std::function<std::unique_ptr<platform::ScriptBackend>()> make;
};

inline void PrintTo(const ContractBackend& backend, std::ostream* os) {
    *os << backend.name;
}

inline std::string contractBackendName(const testing::TestParamInfo<ContractBackend>& info) {
    return info.param.name;
}

struct Raised {
    int control;
    platform::Event event;
    bool checked; // the control's check state when the event arrived
    bool operator==(const Raised&) const = default;
};

inline void PrintTo(const Raised& r, std::ostream* os) {
    *os << "{control " << r.control << ", event " << static_cast<int>(r.event) << ", checked " << r.checked << "}";
}

class ToolkitContract : public testing::TestWithParam<ContractBackend>, public platform::EventSink {
protected:
    void SetUp() override { restart(); }

    // A fresh backend with the test catalogue created on it.
    void restart() {
        backend_ = GetParam().make();
        tk().create(testCatalogue(), *this);
        raised.clear();
    }

    void raise(int control, platform::Event event) override {
        const bool checkable =
            event == platform::Event::On && (control == CHECK || (control >= RADIO_A && control <= RADIO_D));
        raised.push_back({control, event, checkable && tk().isChecked(control)});
    }

    platform::Toolkit& tk() { return backend_->toolkit(); }
    platform::UserInput& user() { return backend_->user(); }

    void fill(int control, std::initializer_list<const char*> items) {
        for (const char* item : items)
            tk().addItem(control, item);
    }

    std::vector<int> selectedRows(int control) {
        std::vector<int> rows;
        for (int row = 0; row < tk().itemCount(control); ++row)
            if (tk().isRowSelected(control, row))
                rows.push_back(row);
        return rows;
    }

    std::vector<Raised> raised;

private:
    std::unique_ptr<platform::ScriptBackend> backend_;
};

using platform::Event;
using platform::Position;
using platform::Refusal;

TEST_P(ToolkitContract, StartsAsTheCatalogueSays) {
    struct WindowCase {
        int window;
        bool visible, topmost;
        Position position;
    };
    for (const WindowCase& c : {WindowCase{MAIN, true, true, {10, 20}}, WindowCase{SECOND, false, false, {300, 40}}}) {
        EXPECT_EQ(tk().isVisible(c.window), c.visible) << c.window;
        EXPECT_EQ(tk().isTopmost(c.window), c.topmost) << c.window;
        EXPECT_EQ(tk().position(c.window), c.position) << c.window;
    }
    const std::pair<int, const char*> texts[] = {{BUTTON, "押す"}, {LABEL, "ラベル"}, {NAME, "0.01"}, {NOTES, ""}};
    for (const auto& [control, text] : texts)
        EXPECT_EQ(tk().text(control), text) << control;
    const std::pair<int, bool> checks[] = {{CHECK, false}, {RADIO_A, true}, {RADIO_B, false}, {RADIO_D, true}};
    for (const auto& [control, checked] : checks)
        EXPECT_EQ(tk().isChecked(control), checked) << control;
    for (int control = 0; control < TEST_CONTROL_COUNT; ++control)
        EXPECT_TRUE(tk().isEnabled(control)) << control;
    EXPECT_EQ(tk().itemCount(PICK), 0);
    EXPECT_EQ(tk().selected(PICK), -1);
}

TEST_P(ToolkitContract, TypingKeepsWhatFitsInCp932Bytes) {
    struct TypeCase {
        const char* name;
        int control;
        const char* typed;
        const char* kept;
    };
    const TypeCase cases[] = {
        {"fits", NAME, "105.25", "105.25"},
        {"stops at the byte limit", NAME, "1234567890123", "1234567890"},
        {"full-width counts two", NAME, "１２３４５６", "１２３４５"},
        {"a half-width character fits where a full-width one did not", NAME, "123456789０1", "1234567891"},
        {"refused characters are dropped, the rest typed", NAME, "1¥2😀3한4", "1234"},
        {"a single-line box takes no line break", NAME, "12\n34", "1234"},
        {"a box of quoted text refuses the double quote", NAME, "\"12\"34", "1234"},
        {"a box without that style takes it", NOTES, "\"日足\"", "\"日足\""},
        {"LF becomes CR LF in a multi-line box", NOTES, "日足\n週足", "日足\r\n週足"},
        {"CR LF stays one line break", NOTES, "日足\r\n週足", "日足\r\n週足"},
        {"a line break counts two bytes", NOTES, "1234567890\n12345678\nabc", "1234567890\r\n12345678"},
        {"an emptied box", NAME, "", ""},
    };
    for (const TypeCase& c : cases) {
        tk().setText(c.control, "old");
        EXPECT_EQ(user().type(c.control, c.typed), Refusal::None) << c.name;
        EXPECT_EQ(tk().text(c.control), c.kept) << c.name;
    }
    EXPECT_TRUE(raised.empty());
}

TEST_P(ToolkitContract, LinesAreSeparatedByLineBreaks) {
    struct LinesCase {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    };
    const LinesCase cases[] = {
        {"empty box", "", {""}},
        {"one line", "日足", {"日足"}},
        {"two lines", "日足\r\n週足", {"日足", "週足"}},
        {"ending in a line break", "日足\r\n", {"日足", ""}},
        {"empty lines", "\r\n\r\n", {"", "", ""}},
        {"a long line is one line however it wraps", std::string(200, 'x'), {std::string(200, 'x')}},
    };
    for (const LinesCase& c : cases) {
        tk().setText(VIEW, c.text);
        ASSERT_EQ(tk().lineCount(VIEW), static_cast<int>(c.lines.size())) << c.name;
        for (std::size_t n = 0; n < c.lines.size(); ++n)
            EXPECT_EQ(tk().line(VIEW, static_cast<int>(n) + 1), c.lines[n]) << c.name << " line " << n + 1;
        EXPECT_EQ(tk().text(VIEW), c.text) << c.name;
    }
}

TEST_P(ToolkitContract, ClicksActOnTheControlThenRaiseOn) {
    struct ClickCase {
        const char* name;
        int control;
        std::vector<std::pair<int, bool>> checkedAfter;
    };
    const ClickCase cases[] = {
        {"push button", BUTTON, {}},
        {"check box turns on", CHECK, {{CHECK, true}}},
        {"check box turns off again", CHECK, {{CHECK, false}}},
        {"radio button unchecks the rest of its group only",
         RADIO_B,
         {{RADIO_A, false}, {RADIO_B, true}, {RADIO_C, false}, {RADIO_D, true}}},
        {"second group", RADIO_C, {{RADIO_A, false}, {RADIO_B, true}, {RADIO_C, true}, {RADIO_D, false}}},
        {"a checked radio button stays checked", RADIO_C, {{RADIO_C, true}, {RADIO_D, false}}},
    };
    for (const ClickCase& c : cases) {
        raised.clear();
        EXPECT_EQ(user().click(c.control), Refusal::None) << c.name;
        for (const auto& [control, checked] : c.checkedAfter)
            EXPECT_EQ(tk().isChecked(control), checked) << c.name << ": control " << control;
        const bool checked = c.control != BUTTON && tk().isChecked(c.control);
        EXPECT_EQ(raised, (std::vector<Raised>{{c.control, Event::On, checked}})) << c.name;
    }
}

TEST_P(ToolkitContract, ListClicksToggleOrReplaceAndRaiseClick) {
    fill(MANY, {"112.50", "112.00", "111.50", "111.00"});
    fill(ONE, {"112.50", "112.00", "111.50"});
    struct RowCase {
        const char* name;
        int control;
        int row;
        std::vector<int> selected;
    };
    const RowCase cases[] = {
        {"a click selects a row", MANY, 1, {1}},
        {"a click on another row adds it", MANY, 3, {1, 3}},
        {"a click on a selected row unselects it", MANY, 1, {3}},
        {"a single-selection list selects the row", ONE, 2, {2}},
        {"and replaces the selection", ONE, 0, {0}},
        {"a click on its selected row keeps it", ONE, 0, {0}},
    };
    for (const RowCase& c : cases) {
        raised.clear();
        EXPECT_EQ(user().clickRow(c.control, c.row), Refusal::None) << c.name;
        EXPECT_EQ(selectedRows(c.control), c.selected) << c.name;
        EXPECT_EQ(raised, (std::vector<Raised>{{c.control, Event::Click, false}})) << c.name;
    }
    EXPECT_EQ(tk().selected(ONE), 0);
}

TEST_P(ToolkitContract, PickingAnItemSelectsItAndRaisesChange) {
    fill(PICK, {"全部", "日足", "週足"});
    for (int item : {2, 0, 0}) {
        raised.clear();
        EXPECT_EQ(user().pick(PICK, item), Refusal::None) << item;
        EXPECT_EQ(tk().selected(PICK), item);
        EXPECT_EQ(raised, (std::vector<Raised>{{PICK, Event::Change, false}})) << item;
    }
}

TEST_P(ToolkitContract, TheProgramSettingStateRaisesNoEvent) {
    tk().setText(NAME, "1.5");
    tk().setText(LABEL, "ラベル２");
    tk().setChecked(CHECK, true);
    tk().setChecked(RADIO_B, true);
    fill(PICK, {"全部", "日足"});
    tk().setSelected(PICK, 1);
    fill(MANY, {"1", "2"});
    tk().setSelected(MANY, 1);
    fill(ONE, {"1", "2"});
    tk().setSelected(ONE, 0);
    tk().show(SECOND);
    tk().makeTopmost(SECOND);
    tk().activate(SECOND);
    tk().move(SECOND, {5, 6});
    tk().setEnabled(BUTTON, false);
    tk().hide(SECOND);
    EXPECT_TRUE(raised.empty());

    EXPECT_EQ(tk().text(NAME), "1.5");
    EXPECT_EQ(tk().text(LABEL), "ラベル２");
    EXPECT_TRUE(tk().isChecked(CHECK));
    EXPECT_FALSE(tk().isChecked(RADIO_A)) << "checking a radio button unchecks the rest of its group";
    EXPECT_TRUE(tk().isChecked(RADIO_B));
    EXPECT_TRUE(tk().isChecked(RADIO_D)) << "another group keeps its choice";
    EXPECT_EQ(tk().selected(PICK), 1);
    EXPECT_EQ(selectedRows(MANY), std::vector<int>{1});
    EXPECT_EQ(tk().selected(ONE), 0);
}

TEST_P(ToolkitContract, TheProgramSetsAndClearsSelections) {
    fill(MANY, {"1", "2", "3"});
    user().clickRow(MANY, 0);
    user().clickRow(MANY, 2);
    tk().setSelected(MANY, -1);
    EXPECT_EQ(selectedRows(MANY), std::vector<int>{});
    EXPECT_EQ(tk().selected(MANY), -1);

    fill(PICK, {"a", "b"});
    tk().setSelected(PICK, 1);
    tk().setSelected(PICK, -1);
    EXPECT_EQ(tk().selected(PICK), -1);

    tk().setSelected(PICK, 0);
    tk().clear(PICK);
    EXPECT_EQ(tk().itemCount(PICK), 0);
    EXPECT_EQ(tk().selected(PICK), -1);
    tk().addItem(PICK, "c");
    EXPECT_EQ(tk().item(PICK, 0), "c");
    EXPECT_EQ(tk().selected(PICK), -1) << "a new item is not selected";

    tk().setChecked(RADIO_A, false);
    EXPECT_FALSE(tk().isChecked(RADIO_A));
    EXPECT_FALSE(tk().isChecked(RADIO_B)) << "unchecking checks no other";
}

TEST_P(ToolkitContract, HiddenWindowsKeepTheirContents) {
    tk().show(SECOND);
    fill(SECOND_PICK, {"１回以上", "２回以上"});
    fill(SECOND_LIST, {"a", "b", "c"});
    user().type(FIELD, "112.5");
    user().pick(SECOND_PICK, 1);
    user().clickRow(SECOND_LIST, 0);
    user().clickRow(SECOND_LIST, 2);
    tk().setEnabled(SECOND_BUTTON, false);
    tk().hide(SECOND);
    tk().show(SECOND);
    EXPECT_EQ(tk().text(FIELD), "112.5");
    EXPECT_EQ(tk().selected(SECOND_PICK), 1);
    EXPECT_EQ(selectedRows(SECOND_LIST), (std::vector<int>{0, 2}));
    EXPECT_FALSE(tk().isEnabled(SECOND_BUTTON));
}

// The Qt toolkit makes a window's controls only when the window first shows.
TEST_P(ToolkitContract, WhatTheProgramSetsBeforeAWindowFirstShowsIsThere) {
    tk().setText(FIELD, "112.5");
    fill(SECOND_PICK, {"１回以上", "２回以上"});
    tk().setSelected(SECOND_PICK, 1);
    fill(SECOND_LIST, {"a", "b", "c"});
    tk().setSelected(SECOND_LIST, 2);
    tk().setEnabled(SECOND_BUTTON, false);
    tk().setFocus(FIELD);
    tk().show(SECOND);
    EXPECT_EQ(tk().text(FIELD), "112.5");
    EXPECT_EQ(tk().item(SECOND_PICK, 1), "２回以上");
    EXPECT_EQ(tk().selected(SECOND_PICK), 1);
    EXPECT_EQ(selectedRows(SECOND_LIST), (std::vector<int>{2}));
    EXPECT_FALSE(tk().isEnabled(SECOND_BUTTON));
    EXPECT_EQ(user().type(FIELD, "1"), Refusal::None);
}

TEST_P(ToolkitContract, TopmostStaysOnceGivenAndPositionsMove) {
    tk().show(SECOND);
    EXPECT_FALSE(tk().isTopmost(SECOND));
    tk().makeTopmost(SECOND);
    tk().hide(SECOND);
    EXPECT_TRUE(tk().isTopmost(SECOND)) << "hiding does not clear it";
    tk().show(SECOND);
    EXPECT_TRUE(tk().isTopmost(SECOND));

    tk().move(SECOND, {120, 130});
    tk().hide(SECOND);
    EXPECT_EQ(tk().position(SECOND), (Position{120, 130}));
    EXPECT_EQ(tk().position(MAIN), (Position{10, 20}));
}

TEST_P(ToolkitContract, WhatTheUserCannotDoIsRefusedAndChangesNothing) {
    struct RefusalCase {
        const char* name;
        std::function<void(platform::Toolkit&)> prepare;
        std::function<Refusal(platform::UserInput&)> act;
        Refusal expected;
    };
    const RefusalCase cases[] = {
        {"button in a hidden window", [](auto&) {}, [](auto& u) { return u.click(SECOND_BUTTON); }, Refusal::Hidden},
        {"hidden comes before disabled", [](auto& t) { t.setEnabled(SECOND_BUTTON, false); },
         [](auto& u) { return u.click(SECOND_BUTTON); }, Refusal::Hidden},
        {"pick in a hidden window", [](auto&) {}, [](auto& u) { return u.pick(SECOND_PICK, 0); }, Refusal::Hidden},
        {"row in a hidden window", [](auto&) {}, [](auto& u) { return u.clickRow(SECOND_LIST, 0); }, Refusal::Hidden},
        {"type in a hidden window", [](auto&) {}, [](auto& u) { return u.type(FIELD, "1"); }, Refusal::Hidden},
        {"disabled button", [](auto& t) { t.setEnabled(BUTTON, false); }, [](auto& u) { return u.click(BUTTON); },
         Refusal::Disabled},
        {"disabled check box", [](auto& t) { t.setEnabled(CHECK, false); }, [](auto& u) { return u.click(CHECK); },
         Refusal::Disabled},
        {"disabled radio button", [](auto& t) { t.setEnabled(RADIO_B, false); },
         [](auto& u) { return u.click(RADIO_B); }, Refusal::Disabled},
        {"disabled drop-down", [](auto& t) { t.setEnabled(PICK, false); }, [](auto& u) { return u.pick(PICK, 1); },
         Refusal::Disabled},
        {"disabled list", [](auto& t) { t.setEnabled(MANY, false); }, [](auto& u) { return u.clickRow(MANY, 1); },
         Refusal::Disabled},
        {"disabled edit box", [](auto& t) { t.setEnabled(NAME, false); }, [](auto& u) { return u.type(NAME, "1"); },
         Refusal::Disabled},
        {"read-only edit box", [](auto&) {}, [](auto& u) { return u.type(VIEW, "1"); }, Refusal::ReadOnly},
        {"disabled comes before read-only", [](auto& t) { t.setEnabled(VIEW, false); },
         [](auto& u) { return u.type(VIEW, "1"); }, Refusal::Disabled},
        {"main window hidden", [](auto& t) { t.hide(MAIN); }, [](auto& u) { return u.closeWindow(MAIN); },
         Refusal::Hidden},
    };
    for (const RefusalCase& c : cases) {
        restart();
        fill(PICK, {"a", "b"});
        fill(MANY, {"a", "b"});
        fill(SECOND_PICK, {"a", "b"});
        fill(SECOND_LIST, {"a", "b"});
        tk().setText(VIEW, "view");
        c.prepare(tk());
        raised.clear();
        EXPECT_EQ(c.act(user()), c.expected) << c.name;
        EXPECT_TRUE(raised.empty()) << c.name;
        EXPECT_EQ(tk().text(NAME), "0.01") << c.name;
        EXPECT_EQ(tk().text(FIELD), "") << c.name;
        EXPECT_EQ(tk().text(VIEW), "view") << c.name;
        EXPECT_FALSE(tk().isChecked(CHECK)) << c.name;
        EXPECT_TRUE(tk().isChecked(RADIO_A)) << c.name;
        EXPECT_EQ(tk().selected(PICK), -1) << c.name;
        EXPECT_EQ(tk().selected(SECOND_PICK), -1) << c.name;
        EXPECT_EQ(selectedRows(MANY), std::vector<int>{}) << c.name;
        EXPECT_EQ(selectedRows(SECOND_LIST), std::vector<int>{}) << c.name;
    }
}

TEST_P(ToolkitContract, ClosingTheMainWindowRaisesEnd) {
    EXPECT_EQ(user().closeWindow(MAIN), Refusal::None);
    EXPECT_EQ(raised, (std::vector<Raised>{{MAIN, Event::End, false}}));
}

// The second window's one button is its Enter button and its close button; the main window has neither.
TEST_P(ToolkitContract, EnterEscapeAndACloseRequestPressTheWindowsButtons) {
    using platform::KEY_ENTER;
    using platform::KEY_ESCAPE;
    const std::vector<Raised> pressed{{SECOND_BUTTON, Event::On, false}};
    const struct {
        const char* name;
        std::function<Refusal(platform::UserInput&)> act;
        std::vector<Raised> expected;
    } cases[] = {
        {"close request", [](auto& u) { return u.closeWindow(SECOND); }, pressed},
        {"Escape", [](auto& u) { return u.pressKeys(SECOND, {.key = KEY_ESCAPE}); }, pressed},
        {"Enter", [](auto& u) { return u.pressKeys(SECOND, {.key = KEY_ENTER}); }, pressed},
        {"Ctrl+Enter is not Enter",
         [](auto& u) { return u.pressKeys(SECOND, {.control = true, .key = KEY_ENTER}); },
         {}},
        {"Escape in the main window", [](auto& u) { return u.pressKeys(MAIN, {.key = KEY_ESCAPE}); }, {}},
        {"Enter in the main window", [](auto& u) { return u.pressKeys(MAIN, {.key = KEY_ENTER}); }, {}},
    };
    for (const auto& c : cases) {
        restart();
        tk().show(SECOND);
        raised.clear();
        EXPECT_EQ(c.act(user()), Refusal::None) << c.name;
        EXPECT_EQ(raised, c.expected) << c.name;
    }
    tk().setEnabled(SECOND_BUTTON, false);
    raised.clear();
    user().closeWindow(SECOND);
    user().pressKeys(SECOND, {.key = KEY_ESCAPE});
    EXPECT_TRUE(raised.empty()) << "a disabled button takes no press";
}

} // namespace kedravo::test
