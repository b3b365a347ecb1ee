#include "platform/win32/control_fonts.h"

namespace kedravo::platform::win32 {

ControlFonts::~ControlFonts() {
    for (const auto& [key, font] : fonts_)
        DeleteObject(font);
}

HFONT ControlFonts::get(FontFace face, int size) {
    HFONT& font = fonts_[{face, size}];
    if (font == nullptr) {
        const bool fixed = face == FontFace::Fixed;
        font = CreateFontW(-size, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, (fixed ? FIXED_PITCH : VARIABLE_PITCH) | FF_MODERN,
                           fixed ? L"ＭＳ ゴシック" : L"ＭＳ Ｐゴシック");
    }
    return font;
}

} // namespace kedravo::platform::win32
