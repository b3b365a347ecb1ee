#pragma once
// The typing rule of the catalogue's edit boxes, the same for every backend.
#include "platform/catalogue.h"

#include <string>
#include <string_view>

namespace kedravo::platform {

// The text edit box `box` holds after `typed` has been typed into it: its byte limit, its line mode and the
// characters its style refuses apply.
std::string typedInto(const ControlDef& box, std::string_view typed);

} // namespace kedravo::platform
