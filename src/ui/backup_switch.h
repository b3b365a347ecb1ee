#pragma once
#include "ui/context.h"

namespace kedravo::ui {

// CHECK1 clicked: asks for the backup folder when switched on, forgets it when switched off.
void CHECK1_ON(Context& c, int window);

} // namespace kedravo::ui
