#pragma once
// The input box of the current-price button: title, prompt, one edit field of at most 64 bytes, "OK" (the
// default) and "ｷｬﾝｾﾙ". Modal and owned by `owner`.
#include <string>
#include <windows.h>

namespace kedravo::platform::win32 {

// Control ids of the box, for whoever drives it as a user would.
inline constexpr int INPUT_FIELD_ID = 100;
inline constexpr int INPUT_PROMPT_ID = 101;

// The field's text, or INPUT_CANCELLED for "ｷｬﾝｾﾙ", Escape or the close box.
std::string runInputBox(HWND owner, const std::string& title, const std::string& prompt);

} // namespace kedravo::platform::win32
