#pragma once
// A small catalogue with one control of every kind, two radio groups and a hidden second window, for the tests
// of the toolkit backends and of the script driver.
#include "platform/catalogue.h"

#include <array>

namespace kedravo::test {

enum TestWindow : int { MAIN, SECOND };

enum TestControl : int {
    BUTTON,
    CHECK,
    RADIO_A,
    RADIO_B,
    RADIO_C,
    RADIO_D,
    FRAME,
    LABEL,
    NAME,
    NOTES,
    VIEW,
    PICK,
    MANY,
    ONE,
    FIELD,
    SECOND_BUTTON,
    SECOND_PICK,
    SECOND_LIST,
    TEST_CONTROL_COUNT
};

inline constexpr std::array<platform::WindowDef, 2> TEST_WINDOWS{{
    {MAIN, "MAIN", "主窓", 10, 20, 400, 300, true, true, true, true, platform::NO_CONTROL, platform::NO_CONTROL,
     platform::NO_CONTROL},
    {SECOND, "SECOND", "副窓", 300, 40, 200, 150, false, false, false, false, SECOND_BUTTON, platform::NO_CONTROL,
     SECOND_BUTTON},
}};

namespace kinds {
using enum platform::ControlKind;
using enum platform::FontFace;
using namespace platform; // style flags

inline constexpr std::array<ControlDef, TEST_CONTROL_COUNT> TEST_CONTROLS{{
    {BUTTON, "BUTTON", PushButton, MAIN, "押す", 10, 10, 80, 30, Proportional, 14, STYLE_NONE, 0},
    {CHECK, "CHECK", CheckBox, MAIN, "確認", 10, 50, 80, 18, Proportional, 14, STYLE_NONE, 0},
    {RADIO_A, "RADIO_A", RadioButton, MAIN, "Ａ", 10, 80, 40, 18, Proportional, 14, FIRST_OF_GROUP | CHECKED, 0},
    {RADIO_B, "RADIO_B", RadioButton, MAIN, "Ｂ", 60, 80, 40, 18, Proportional, 14, STYLE_NONE, 0},
    {RADIO_C, "RADIO_C", RadioButton, MAIN, "Ｃ", 10, 110, 40, 18, Proportional, 14, FIRST_OF_GROUP, 0},
    {RADIO_D, "RADIO_D", RadioButton, MAIN, "Ｄ", 60, 110, 40, 18, Proportional, 14, CHECKED, 0},
    {FRAME, "FRAME", GroupBox, MAIN, "", 5, 75, 100, 60, Proportional, 14, STYLE_NONE, 0},
    {LABEL, "LABEL", StaticText, MAIN, "ラベル", 120, 10, 80, 18, Fixed, 14, STYLE_NONE, 0},
    {NAME, "NAME", EditBox, MAIN, "0.01", 120, 40, 100, 24, Proportional, 14, NO_DOUBLE_QUOTE, 10},
    {NOTES, "NOTES", EditBox, MAIN, "", 120, 70, 100, 80, Proportional, 14, MULTI_LINE | VERTICAL_SCROLL | WRAP_LINES,
     20},
    {VIEW, "VIEW", EditBox, MAIN, "", 230, 70, 100, 80, Fixed, 14, MULTI_LINE | READ_ONLY | WHITE_ON_BLACK, 0},
    {PICK, "PICK", DropDown, MAIN, "", 120, 160, 100, 100, Proportional, 14, STYLE_NONE, 0},
    {MANY, "MANY", ListBox, MAIN, "", 10, 160, 100, 100, Fixed, 14, MULTI_SELECT, 0},
    {ONE, "ONE", ListBox, MAIN, "", 230, 160, 100, 100, Fixed, 14, STYLE_NONE, 0},
    {FIELD, "FIELD", EditBox, SECOND, "", 10, 10, 100, 24, Proportional, 14, STYLE_NONE, 10},
    {SECOND_BUTTON, "SECOND_BUTTON", PushButton, SECOND, "閉じる", 10, 40, 80, 30, Proportional, 14, STYLE_NONE, 0},
    {SECOND_PICK, "SECOND_PICK", DropDown, SECOND, "", 10, 80, 100, 100, Proportional, 14, STYLE_NONE, 0},
    {SECOND_LIST, "SECOND_LIST", ListBox, SECOND, "", 110, 10, 80, 100, Fixed, 14, MULTI_SELECT, 0},
}};
} // namespace kinds

inline platform::Catalogue testCatalogue() {
    return {TEST_WINDOWS, kinds::TEST_CONTROLS};
}

} // namespace kedravo::test
