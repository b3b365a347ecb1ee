#pragma once
// A picture of a window as the user sees it: its client area inside the catalogue's frame and caption bar, at
// the catalogue's outer size. Offscreen there is no window manager to draw the frame.
#include <QImage>

namespace kedravo::platform::qt {

class CatalogueWindow;

QImage windowPicture(CatalogueWindow& window);

} // namespace kedravo::platform::qt
