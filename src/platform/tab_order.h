#pragma once
// The order Tab walks a window's controls in, the same on every backend: as the window is read, top to bottom,
// and left to right along a row, whatever order the controls were created in.
#include "platform/catalogue.h"

#include <vector>

namespace kedravo::platform {

// The window's controls that take the keyboard (every kind but static texts and group boxes), in that order.
std::vector<int> tabOrder(const Catalogue& catalogue, int window);

} // namespace kedravo::platform
