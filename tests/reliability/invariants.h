#pragma once
// What must hold of the tables and the windows after every user action, whatever the actions were: counts in
// range, lines in canonical form and sorted, row maps pointing at the lines their rows show, counts never
// above 32765, only texts the files can hold, and the main window in step with the tables.
#include "core/tables.h"
#include "platform/toolkit.h"

#include <string>

namespace kedravo::reliability {

// The first rule that does not hold, or "" when all do.
std::string brokenInvariant(const Tables& t, platform::Toolkit& toolkit);

} // namespace kedravo::reliability
