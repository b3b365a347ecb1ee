#include "platform/win32/window_picture.h"

#include "platform/win32/message_pump.h"
#include "platform/win32/wide_text.h"

#include <gdiplus.h>

namespace kedravo::platform::win32 {
namespace {

// GDI+'s PNG encoder.
constexpr CLSID PNG_ENCODER = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

class GdiPlus {
public:
    GdiPlus() {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiPlus() {
        if (ok_)
            Gdiplus::GdiplusShutdown(token_);
    }
    GdiPlus(const GdiPlus&) = delete;
    GdiPlus& operator=(const GdiPlus&) = delete;
    bool ok() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

bool savePng(HBITMAP picture, const std::string& pngPath) {
    const GdiPlus gdiPlus;
    if (!gdiPlus.ok())
        return false;
    Gdiplus::Bitmap bitmap(picture, nullptr);
    return bitmap.Save(widen(pngPath).c_str(), &PNG_ENCODER, nullptr) == Gdiplus::Ok;
}

} // namespace

// Taken from the screen, as the user sees it: the window is raised within its band (topmost or not) and drawn
// first. Asking the window to print itself would depend on every control drawing into a memory context, which
// not every system's controls do.
bool saveWindowPicture(HWND window, const std::string& pngPath) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    pumpMessages();
    GdiFlush();
    RECT outer;
    GetWindowRect(window, &outer);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, outer.right - outer.left, outer.bottom - outer.top);
    HGDIOBJ before = SelectObject(memory, picture);
    const bool drawn = BitBlt(memory, 0, 0, outer.right - outer.left, outer.bottom - outer.top, screen, outer.left,
                              outer.top, SRCCOPY) != FALSE;
    SelectObject(memory, before);
    const bool saved = drawn && savePng(picture, pngPath);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

} // namespace kedravo::platform::win32
