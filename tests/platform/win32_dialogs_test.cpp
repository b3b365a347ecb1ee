#include "platform/win32/input_box.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_toolkit.h"
#include "test_catalogue.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace kedravo::platform::win32 {
namespace {

struct Ignore : EventSink {
    void raise(int, Event) override {}
};

std::wstring textOf(HWND window) {
    std::wstring text(512, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Acts on the dialog of the given caption once it is up, as the user would, from inside its modal loop.
class WhenShown {
public:
    WhenShown(std::wstring caption, std::function<void(HWND)> act) {
        pending = {std::move(caption), std::move(act)};
        timer_ = SetTimer(nullptr, 0, 10, &WhenShown::poll);
    }
    ~WhenShown() { KillTimer(nullptr, timer_); }
    WhenShown(const WhenShown&) = delete;
    WhenShown& operator=(const WhenShown&) = delete;

private:
    struct Pending {
        std::wstring caption;
        std::function<void(HWND)> act;
    };
    static void CALLBACK poll(HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = FindWindowW(L"#32770", pending.caption.c_str());
        if (dialog == nullptr || !pending.act)
            return;
        auto act = std::exchange(pending.act, nullptr);
        act(dialog);
    }
    static inline Pending pending;
    UINT_PTR timer_;
};

void typeInto(HWND edit, const std::wstring& text) {
    for (wchar_t c : text)
        SendMessageW(edit, WM_CHAR, c, 0);
}

void press(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 0);
}

class Win32DialogsTest : public testing::Test {
protected:
    Win32DialogsTest() { toolkit.create(test::testCatalogue(), ignore); }

    Ignore ignore;
    Win32Toolkit toolkit;
    Win32Dialogs dialogs{toolkit};
};

TEST_F(Win32DialogsTest, TheInputBoxGivesTheFieldOrCancelled) {
    struct InputCase {
        const char* name;
        std::wstring typed;
        std::function<void(HWND box)> end;
        std::string answer;
    };
    const auto click = [](int id) { return [id](HWND box) { SendMessageW(GetDlgItem(box, id), BM_CLICK, 0, 0); }; };
    const auto key = [](WPARAM k) { return [k](HWND box) { press(GetDlgItem(box, INPUT_FIELD_ID), k); }; };
    const InputCase cases[] = {
        {"OK", L"112.5", click(IDOK), "112.5"},
        {"Enter is OK", L"１１２．５", key(VK_RETURN), "１１２．５"},
        {"the field keeps 64 bytes", std::wstring(40, L'１'), click(IDOK),
         [] {
             std::string kept;
             for (int i = 0; i < 32; ++i)
                 kept += "１";
             return kept;
         }()},
        {"what code page 932 cannot hold is dropped", L"1¥2한3", click(IDOK), "123"},
        {"cancel", L"112.5", click(IDCANCEL), INPUT_CANCELLED},
        {"Escape cancels", L"112.5", key(VK_ESCAPE), INPUT_CANCELLED},
        {"the close box cancels", L"112.5", [](HWND box) { SendMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); },
         INPUT_CANCELLED},
    };
    for (const InputCase& c : cases) {
        std::wstring title, prompt, ok, cancel;
        const WhenShown user(L"価格入力", [&](HWND box) {
            title = textOf(box);
            prompt = textOf(GetDlgItem(box, INPUT_PROMPT_ID));
            ok = textOf(GetDlgItem(box, IDOK));
            cancel = textOf(GetDlgItem(box, IDCANCEL));
            typeInto(GetDlgItem(box, INPUT_FIELD_ID), c.typed);
            c.end(box);
        });
        EXPECT_EQ(dialogs.inputBox(test::MAIN, "価格入力", "価格を入力して下さい"), c.answer) << c.name;
        EXPECT_EQ(title, L"価格入力") << c.name;
        EXPECT_EQ(prompt, L"価格を入力して下さい") << c.name;
        EXPECT_EQ(ok, L"OK") << c.name;
        EXPECT_EQ(cancel, L"ｷｬﾝｾﾙ") << c.name;
    }
}

// Whether it stays above the always-on-top main window (MB_TOPMOST) cannot be seen under Wine, which ignores it.
TEST_F(Win32DialogsTest, TheWarningBoxShowsItsTextWithTheExclamationIcon) {
    constexpr int MESSAGE_TEXT_ID = 0xFFFF;
    // The icon's control id: Windows's, and Wine's.
    constexpr int MESSAGE_ICON_IDS[] = {0x14, 0x440};
    std::wstring text;
    bool icon = false;
    bool ownerless = false;
    const WhenShown user(L"入力エラーメッセージ", [&](HWND box) {
        text = textOf(GetDlgItem(box, MESSAGE_TEXT_ID));
        for (int id : MESSAGE_ICON_IDS)
            icon = icon || SendDlgItemMessageW(box, id, STM_GETICON, 0, 0) != 0;
        ownerless = GetWindow(box, GW_OWNER) == nullptr;
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    dialogs.STOP_SUB("入力エラーメッセージ", "価格が正しくありません\r\n入力し直して下さい");
    EXPECT_EQ(text, L"価格が正しくありません\r\n入力し直して下さい");
    EXPECT_TRUE(icon);
    EXPECT_TRUE(ownerless);
}

} // namespace
} // namespace kedravo::platform::win32
