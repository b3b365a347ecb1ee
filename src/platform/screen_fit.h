#pragma once
// Where a window goes when it is shown: a position restored from an earlier session may lie beyond the screens
// of this one. Both desktop backends ask this, with the screens' available areas in their own unit.
#include "platform/toolkit.h"

#include <span>

namespace kedravo::platform {

struct Area {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The window's own position when the areas together hold it whole (the user's choice is kept exactly);
// otherwise the position on the area nearest to it that shows most of it, its top left corner kept on the area
// when the window is larger than the area. With no area at all, the window stays where it is.
Position fittedPosition(const Area& window, std::span<const Area> areas);

} // namespace kedravo::platform
