#pragma once
// The six windows and their controls, as data.
#include "platform/catalogue.h"

namespace kedravo::ui {

const platform::Catalogue& catalogue();

} // namespace kedravo::ui
