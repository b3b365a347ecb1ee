#include "platform/win32/limited_edit.h"

#include "platform/typing_rule.h"
#include "platform/win32/wide_text.h"

namespace kedravo::platform::win32 {

std::wstring windowText(HWND handle) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)), L'\0');
    GetWindowTextW(handle, text.data(), static_cast<int>(text.size()) + 1);
    return text;
}

// The correction is itself an edit, whose EN_CHANGE finds nothing more to take out.
void holdToTypingRule(HWND edit, const ControlDef& box, std::wstring& accepted) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (auto fix = trimInsertion(box, LineBreak::CrLf, asUtf16(accepted), asUtf16(windowText(edit)), end)) {
        const std::wstring kept = asWide(fix->kept);
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(fix->start), static_cast<LPARAM>(fix->end));
        SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(kept.c_str()));
    }
    accepted = windowText(edit);
}

} // namespace kedravo::platform::win32
