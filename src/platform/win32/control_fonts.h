#pragma once
// The catalogue's fonts as GDI fonts, made once for each face and size and kept until the toolkit goes.
#include "platform/catalogue.h"

#include <map>
#include <utility>
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

private:
    std::map<std::pair<FontFace, int>, HFONT> fonts_;
};

} // namespace kedravo::platform::win32
