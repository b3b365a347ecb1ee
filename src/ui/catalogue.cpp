#include "ui/catalogue.h"

#include "core/tables.h"
#include "ui/controls.h"

#include <array>

namespace kedravo::ui {
namespace {

using platform::ControlDef;
using platform::ControlKind;
using platform::FontFace;
using platform::WindowDef;
using namespace platform; // style flags

constexpr ControlKind BTN = ControlKind::PushButton;
constexpr ControlKind RAD = ControlKind::RadioButton;
constexpr ControlKind CHK = ControlKind::CheckBox;
constexpr ControlKind GRP = ControlKind::GroupBox;
constexpr ControlKind TXT = ControlKind::StaticText;
constexpr ControlKind EDT = ControlKind::EditBox;
constexpr ControlKind LST = ControlKind::ListBox;
constexpr ControlKind CMB = ControlKind::DropDown;
constexpr FontFace P = FontFace::Proportional;
constexpr FontFace F = FontFace::Fixed;

static_assert(FORM6 + 1 == WINDOW_COUNT);

// The main window's caption is set at start-up; the others are fixed here.
constexpr std::array<WindowDef, WINDOW_COUNT> windows{{
    {MAINFORM, "MAINFORM", "", 950, 564, 406, 460, true, true, true, true, NO_CONTROL, NO_CONTROL, NO_CONTROL},
    // No Enter button: a stray Enter must not register a move.
    {FORM2, "FORM2", "更新ウインドウ", 543, 220, 264, 392, false, false, false, true, NO_CONTROL, NO_CONTROL, BUTTON4},
    {FORM3, "FORM3", "過去の価格入力ウインドウ", 536, 357, 208, 196, false, false, false, true, BUTTON6, NO_CONTROL,
     BUTTON7},
    // Its own キャンセル takes back what it holds; its boxes keep their typing undo.
    {FORM4, "FORM4", "ページ設定ウインドウ", 837, 283, 165, 460, false, false, false, false, NO_CONTROL, BUTTON11,
     BUTTON9},
    {FORM5, "FORM5", "任意の削除ウインドウ", 537, 630, 281, 338, false, false, false, true, NO_CONTROL, NO_CONTROL,
     BUTTON13},
    {FORM6, "FORM6", "価格のシフト・ウインドウ", 1289, 450, 290, 460, false, false, false, true, BUTTON15, NO_CONTROL,
     BUTTON16},
}};

constexpr unsigned MAIN_LIST = MULTI_LINE | READ_ONLY | VERTICAL_SCROLL | WRAP_LINES | WHITE_ON_BLACK;
// One time-frame name per line; no data file can hold a double quote.
constexpr unsigned NAME_LIST = MULTI_LINE | VERTICAL_SCROLL | WRAP_LINES | NO_DOUBLE_QUOTE;

// Creation order; the id of each control is its position.
constexpr std::array<ControlDef, CONTROL_COUNT> controls{{
    // MAINFORM
    {EDIT1, "EDIT1", EDT, MAINFORM, "", 12, 12, 228, 180, F, 14, MAIN_LIST, 0},
    {EDIT2, "EDIT2", EDT, MAINFORM, "", 12, 240, 228, 180, F, 14, MAIN_LIST, 0},
    {TEXT1, "TEXT1", TXT, MAINFORM, "", 18, 198, 84, 18, F, 14, STYLE_NONE, 0},
    {COMBO1, "COMBO1", CMB, MAINFORM, "", 252, 24, 138, 126, P, 14, STYLE_NONE, 0},
    {BUTTON1, "BUTTON1", BTN, MAINFORM, "過去の価格入力", 258, 132, 132, 30, P, 14, STYLE_NONE, 0},
    {BUTTON2, "BUTTON2", BTN, MAINFORM, "現在価格の更新", 258, 198, 132, 30, P, 14, STYLE_NONE, 0},
    {TEXT2, "TEXT2", TXT, MAINFORM, "", 18, 216, 132, 18, F, 14, STYLE_NONE, 0},
    {BUTTON10, "BUTTON10", BTN, MAINFORM, "ページの設定", 258, 354, 132, 30, P, 14, STYLE_NONE, 0},
    {RADIO1, "RADIO1", RAD, MAINFORM, "売る時", 246, 96, 60, 18, P, 14, FIRST_OF_GROUP | CHECKED, 0},
    {RADIO2, "RADIO2", RAD, MAINFORM, "買う時", 318, 96, 66, 18, P, 14, STYLE_NONE, 0},
    {GROUP1, "GROUP1", GRP, MAINFORM, "", 240, 78, 150, 42, P, 14, STYLE_NONE, 0},
    {COMBO5, "COMBO5", CMB, MAINFORM, "", 258, 246, 138, 126, P, 14, STYLE_NONE, 0},
    {BUTTON14, "BUTTON14", BTN, MAINFORM, "任意のデータ削除", 258, 282, 132, 30, P, 14, STYLE_NONE, 0},
    {CHECK1, "CHECK1", CHK, MAINFORM, "バックアップする", 264, 408, 114, 18, P, 14, STYLE_NONE, 0},
    {BUTTON17, "BUTTON17", BTN, MAINFORM, "価格のシフト", 258, 318, 132, 30, P, 14, STYLE_NONE, 0},
    // FORM2
    {LIST1, "LIST1", LST, FORM2, "", 12, 144, 222, 170, F, 14, MULTI_SELECT, 0},
    {TEXT3, "TEXT3", TXT, FORM2, "削除対象の価格リスト", 18, 120, 138, 18, P, 14, STYLE_NONE, 0},
    {BUTTON3, "BUTTON3", BTN, FORM2, "登録", 6, 324, 78, 30, P, 14, STYLE_NONE, 0},
    {BUTTON4, "BUTTON4", BTN, FORM2, "閉じる", 114, 324, 96, 30, P, 14, STYLE_NONE, 0},
    {EDIT3, "EDIT3", EDT, FORM2, "", 18, 48, 102, 24, P, 18, NO_DOUBLE_QUOTE, 10},
    {EDIT4, "EDIT4", EDT, FORM2, "", 138, 48, 72, 24, P, 18, NO_DOUBLE_QUOTE, 9},
    {BUTTON5, "BUTTON5", BTN, FORM2, "価格の設定", 18, 6, 102, 30, P, 14, STYLE_NONE, 0},
    {COMBO4, "COMBO4", CMB, FORM2, "", 156, 84, 78, 154, P, 14, STYLE_NONE, 0},
    {TEXT6, "TEXT6", TXT, FORM2, "削除対象の交差回数", 18, 90, 132, 18, P, 14, STYLE_NONE, 0},
    {TEXT8, "TEXT8", TXT, FORM2, "", 132, 12, 96, 24, P, 20, STYLE_NONE, 0},
    // FORM3
    {COMBO2, "COMBO2", CMB, FORM3, "", 24, 6, 126, 144, P, 14, STYLE_NONE, 0},
    {EDIT5, "EDIT5", EDT, FORM3, "", 24, 54, 156, 24, P, 14, STYLE_NONE, 14},
    {BUTTON6, "BUTTON6", BTN, FORM3, "登録", 24, 102, 78, 30, P, 14, STYLE_NONE, 0},
    {BUTTON7, "BUTTON7", BTN, FORM3, "終了", 126, 102, 54, 30, P, 14, STYLE_NONE, 0},
    {TEXT12, "TEXT12", TXT, FORM3, "残り登録可能数", 30, 144, 162, 18, P, 14, STYLE_NONE, 0},
    // FORM4
    {BUTTON8, "BUTTON8", BTN, FORM4, "登録", 12, 360, 48, 30, P, 14, STYLE_NONE, 0},
    {BUTTON9, "BUTTON9", BTN, FORM4, "閉じる", 90, 396, 54, 30, P, 14, STYLE_NONE, 0},
    {COMBO3, "COMBO3", CMB, FORM4, "", 12, 12, 126, 144, P, 14, STYLE_NONE, 0},
    {EDIT6, "EDIT6", EDT, FORM4, "", 12, 66, 126, 24, P, 14, NO_DOUBLE_QUOTE, 20},
    {EDIT7, "EDIT7", EDT, FORM4, "", 18, 174, 114, 174, P, 14, NAME_LIST, 200},
    {TEXT4, "TEXT4", TXT, FORM4, "ページ名", 24, 48, 96, 18, P, 14, STYLE_NONE, 0},
    {TEXT5, "TEXT5", TXT, FORM4, "時間足の名称", 24, 156, 96, 18, P, 14, STYLE_NONE, 0},
    {TEXT7, "TEXT7", TXT, FORM4, "スプレッド", 18, 108, 60, 18, P, 14, STYLE_NONE, 0},
    {EDIT8, "EDIT8", EDT, FORM4, "0.01", 84, 108, 66, 18, P, 14, NO_DOUBLE_QUOTE, 14},
    {BUTTON11, "BUTTON11", BTN, FORM4, "キャンセル", 66, 360, 78, 30, P, 14, STYLE_NONE, 0},
    {TEXT9, "TEXT9", TXT, FORM4, "買値から売値を引いた値", 30, 132, 120, 12, P, 11, RED_TEXT, 0},
    // FORM5
    {LIST2, "LIST2", LST, FORM5, "", 18, 78, 222, 170, F, 14, MULTI_SELECT, 0},
    {TEXT10, "TEXT10", TXT, FORM5, "削除対象の価格リスト", 30, 54, 138, 18, P, 14, STYLE_NONE, 0},
    {BUTTON12, "BUTTON12", BTN, FORM5, "削除開始", 24, 258, 78, 30, P, 14, STYLE_NONE, 0},
    {BUTTON13, "BUTTON13", BTN, FORM5, "閉じる", 186, 258, 60, 30, P, 14, STYLE_NONE, 0},
    {COMBO6, "COMBO6", CMB, FORM5, "", 132, 6, 126, 150, P, 14, STYLE_NONE, 0},
    {TEXT11, "TEXT11", TXT, FORM5, "対象の足の選択", 24, 12, 102, 18, P, 14, STYLE_NONE, 0},
    // FORM6
    {EDIT9, "EDIT9", EDT, FORM6, "", 120, 336, 132, 24, P, 14, STYLE_NONE, 32767},
    {TEXT13, "TEXT13", TXT, FORM6, "シフト後の価格", 24, 342, 90, 18, P, 14, STYLE_NONE, 0},
    {BUTTON15, "BUTTON15", BTN, FORM6, "シフト開始", 36, 384, 78, 30, P, 14, STYLE_NONE, 0},
    {BUTTON16, "BUTTON16", BTN, FORM6, "閉じる", 198, 384, 60, 30, P, 14, STYLE_NONE, 0},
    {LIST3, "LIST3", LST, FORM6, "", 30, 12, 222, 282, F, 14, STYLE_NONE, 0},
    {COMBO7, "COMBO7", CMB, FORM6, "", 126, 300, 126, 126, P, 14, STYLE_NONE, 0},
}};

constexpr bool idsMatchPositions() {
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].id != static_cast<int>(i))
            return false;
    for (std::size_t i = 0; i < windows.size(); ++i)
        if (windows[i].id != static_cast<int>(i))
            return false;
    return true;
}
static_assert(idsMatchPositions(), "catalogue order must match the ids of controls.h");

} // namespace

const platform::Catalogue& catalogue() {
    static const platform::Catalogue instance{windows, controls};
    return instance;
}

} // namespace kedravo::ui
