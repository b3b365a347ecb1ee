#include "platform/win32/input_box.h"

#include "platform/dialogs.h"
#include "platform/win32/control_fonts.h"
#include "platform/win32/limited_edit.h"
#include "platform/win32/wide_text.h"

namespace kedravo::platform::win32 {
namespace {

constexpr ControlDef INPUT_FIELD{0, "INPUT", ControlKind::EditBox,   0,  "",         0, 0,
                                 0, 0,       FontFace::Proportional, 14, STYLE_NONE, 64};

// A dialog template without controls: they are made when the box opens, measured in pixels like the catalogue's.
struct alignas(DWORD) EmptyDialogTemplate {
    DLGTEMPLATE dialog;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

struct InputBox {
    std::wstring title;
    std::wstring prompt;
    std::wstring accepted;
    std::string answer;
    ControlFonts fonts;
};

struct Placed {
    const wchar_t* windowClass;
    const wchar_t* text;
    int id;
    DWORD style;
    DWORD exStyle;
    RECT at; // left, top, right, bottom in the client area
};

constexpr SIZE CLIENT_SIZE{372, 116};

void layOut(HWND box, InputBox& state) {
    const Placed controls[] = {
        {L"STATIC", state.prompt.c_str(), INPUT_PROMPT_ID, SS_LEFT | SS_NOPREFIX, 0, {12, 12, 276, 72}},
        {L"BUTTON", L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, {288, 10, 360, 36}},
        {L"BUTTON", L"ｷｬﾝｾﾙ", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 0, {288, 42, 360, 68}},
        {L"EDIT", L"", INPUT_FIELD_ID, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, {12, 80, 360, 104}},
    };
    const HFONT font = state.fonts.get(INPUT_FIELD.face, INPUT_FIELD.fontSize);
    for (const Placed& c : controls) {
        HWND control = CreateWindowExW(c.exStyle, c.windowClass, c.text, WS_CHILD | WS_VISIBLE | c.style, c.at.left,
                                       c.at.top, c.at.right - c.at.left, c.at.bottom - c.at.top, box,
                                       reinterpret_cast<HMENU>(INT_PTR{c.id}), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    SetWindowTextW(box, state.title.c_str());
}

// The box's outer size for its client area, centred over its owner.
void placeOverOwner(HWND box) {
    RECT outer{0, 0, CLIENT_SIZE.cx, CLIENT_SIZE.cy};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)));
    RECT owner;
    HWND ownerWindow = GetWindow(box, GW_OWNER);
    if (ownerWindow == nullptr || !GetWindowRect(ownerWindow, &owner))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &owner, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(box, nullptr, (owner.left + owner.right - width) / 2, (owner.top + owner.bottom - height) / 2, width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK inputBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(box, DWLP_USER, lParam);
        layOut(box, *reinterpret_cast<InputBox*>(lParam));
        placeOverOwner(box);
        SetFocus(GetDlgItem(box, INPUT_FIELD_ID));
        return FALSE;
    }
    auto* state = reinterpret_cast<InputBox*>(GetWindowLongPtrW(box, DWLP_USER));
    if (message != WM_COMMAND || state == nullptr)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        state->answer = narrow(windowText(GetDlgItem(box, INPUT_FIELD_ID)));
        EndDialog(box, IDOK);
        return TRUE;
    case IDCANCEL: // also Escape and the close box
        EndDialog(box, IDCANCEL);
        return TRUE;
    case INPUT_FIELD_ID:
        if (HIWORD(wParam) == EN_CHANGE)
            holdToTypingRule(reinterpret_cast<HWND>(lParam), INPUT_FIELD, state->accepted);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

std::string runInputBox(HWND owner, const std::string& title, const std::string& prompt) {
    EmptyDialogTemplate dialog{};
    // Above the always-on-top main window that owns it.
    dialog.dialog.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.dialog.dwExtendedStyle = WS_EX_TOPMOST;
    InputBox state{widen(title), widen(prompt), {}, {}, {}};
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &dialog.dialog, owner, inputBoxProc,
                                                   reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? state.answer : INPUT_CANCELLED;
}

} // namespace kedravo::platform::win32
