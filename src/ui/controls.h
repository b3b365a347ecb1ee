#pragma once
// Ids of the six windows and of every control, in the catalogue's creation order. A control's id is its
// position in the catalogue, so the catalogue test checks that the two agree.

namespace kedravo::ui {

enum Window : int { MAINFORM, FORM2, FORM3, FORM4, FORM5, FORM6 };

// Grouped by window as the catalogue lists them, which clang-format would put one a line.
// clang-format off
enum Control : int {
    // MAINFORM
    EDIT1, EDIT2, TEXT1, COMBO1, BUTTON1, BUTTON2, TEXT2, BUTTON10, RADIO1, RADIO2, GROUP1, COMBO5, BUTTON14,
    CHECK1, BUTTON17,
    // FORM2
    LIST1, TEXT3, BUTTON3, BUTTON4, EDIT3, EDIT4, BUTTON5, COMBO4, TEXT6, TEXT8,
    // FORM3
    COMBO2, EDIT5, BUTTON6, BUTTON7, TEXT12,
    // FORM4
    BUTTON8, BUTTON9, COMBO3, EDIT6, EDIT7, TEXT4, TEXT5, TEXT7, EDIT8, BUTTON11, TEXT9,
    // FORM5
    LIST2, TEXT10, BUTTON12, BUTTON13, COMBO6, TEXT11,
    // FORM6
    EDIT9, TEXT13, BUTTON15, BUTTON16, LIST3, COMBO7,
    CONTROL_COUNT
};
// clang-format on

} // namespace kedravo::ui
