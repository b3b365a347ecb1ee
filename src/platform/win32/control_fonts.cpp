#include "platform/win32/control_fonts.h"

namespace kedravo::platform::win32 {

namespace {

HFONT createFont(FontFace face, int size) {
    const bool fixed = face == FontFace::Fixed;
    return CreateFontW(-size, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, (fixed ? FIXED_PITCH : VARIABLE_PITCH) | FF_MODERN,
                       fixed ? L"ＭＳ ゴシック" : L"ＭＳ Ｐゴシック");
}

int advance(HFONT font, const std::wstring& text) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return extent.cx;
}

// MS PGothic's digits are half an em wide. A stand-in for it (IPAPGothic under Wine) has digits of 0.63 em, and
// the boxes above 14 pixels, drawn for the narrower digits, would cut their dates, times and prices.
bool digitsWiderThanMsPGothic(HFONT font, int size) {
    return advance(font, L"0") * 100 > size * 55;
}

} // namespace

ControlFonts::~ControlFonts() {
    for (const auto& [key, font] : fonts_)
        DeleteObject(font);
}

HFONT ControlFonts::get(FontFace face, int size) {
    HFONT& font = fonts_[{face, size}];
    if (font == nullptr) {
        font = createFont(face, size);
        // Made smaller by the same measure as on the Qt backend, which always draws with IPAPGothic.
        if (face == FontFace::Proportional && size > 14 && digitsWiderThanMsPGothic(font, size)) {
            DeleteObject(font);
            font = createFont(face, size * 5 / 6);
        }
    }
    return font;
}

HFONT ControlFonts::fitted(FontFace face, int size, const std::vector<std::wstring>& texts, int width) {
    constexpr int smallest = 10;
    int fitting = size;
    for (const std::wstring& text : texts) {
        if (advance(get(face, smallest), text) > width)
            continue;
        while (fitting > smallest && advance(get(face, fitting), text) > width)
            --fitting;
    }
    return get(face, fitting);
}

} // namespace kedravo::platform::win32
