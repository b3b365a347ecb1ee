#pragma once
// Edit controls held to the typing rule of their catalogue entry (platform/typing_rule.h). What the user typed,
// pasted, dropped or composed is seen once the edit is made (EN_CHANGE): what the rule does not let through is
// taken out again, so that every way of entering text meets the same rule, whatever the system's ANSI code page.
#include "platform/catalogue.h"

#include <string>
#include <windows.h>

namespace kedravo::platform::win32 {

std::wstring windowText(HWND handle);

// To be called on each EN_CHANGE of a user's edit. `accepted` is the text as the rule last let it be, and is
// brought up to date.
void holdToTypingRule(HWND edit, const ControlDef& box, std::wstring& accepted);

} // namespace kedravo::platform::win32
