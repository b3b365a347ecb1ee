#pragma once
// A picture of a window as the user sees it, frame and caption bar included, saved as a PNG file.
#include <string>
#include <windows.h>

namespace kedravo::platform::win32 {

// False when the window cannot be drawn or the file cannot be written.
bool saveWindowPicture(HWND window, const std::string& pngPath);

} // namespace kedravo::platform::win32
