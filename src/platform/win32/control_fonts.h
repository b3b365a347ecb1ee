#pragma once
// The catalogue's fonts as GDI fonts, made once for each face and size and kept until the toolkit goes.
#include "platform/catalogue.h"

#include <map>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace kedravo::platform::win32 {

class ControlFonts {
public:
    ControlFonts() = default;
    ~ControlFonts();
    ControlFonts(const ControlFonts&) = delete;
    ControlFonts& operator=(const ControlFonts&) = delete;

    // The catalogue's sizes are the pixel heights of the characters.
    HFONT get(FontFace face, int size);
    // The font of the largest size, from `size` down to a still legible one, at which each text fits `width`
    // pixels; a text that does not fit even the smallest size is left to scroll or clip.
    HFONT fitted(FontFace face, int size, const std::vector<std::wstring>& texts, int width);

private:
    std::map<std::pair<FontFace, int>, HFONT> fonts_;
};

} // namespace kedravo::platform::win32
