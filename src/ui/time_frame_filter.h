#pragma once
// The time-frame filters of the main and deletion windows: "全部" first, then the current page's time frames, so
// that an item's position less one is its time frame.
#include "ui/context.h"

namespace kedravo::ui {

// Fills the drop-down `filter` for the current page, on "全部".
void fillTimeFrameFilter(Context& c, int filter);

} // namespace kedravo::ui
