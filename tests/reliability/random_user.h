#pragma once
// A user who does random but possible things: clicks, picks, rows and typing on controls that are shown and
// enabled, with plausible and implausible input alike, and now and then a restart of the program.
#include "core/tables.h"
#include "platform/toolkit.h"
#include "script.h"

#include <random>
#include <vector>

namespace kedravo::reliability {

// The user's next action as script commands: an answer comes before the click that asks for it, and a
// restart is a close followed by a start.
std::vector<script::Command> nextActions(std::mt19937& random, platform::Toolkit& toolkit, const Tables& t);

} // namespace kedravo::reliability
