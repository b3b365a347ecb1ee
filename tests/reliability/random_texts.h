#pragma once
// What a user types: mostly what the box asks for, sometimes what it must refuse or cut.
#include "core/tables.h"

#include <random>
#include <string>

namespace kedravo::reliability {

// A price near the current page's lines (so that moves cross them), in any of the forms a user types, or
// something that is no price at all.
std::string priceText(std::mt19937& random, const Tables& t);
std::string spreadText(std::mt19937& random);
std::string pageNameText(std::mt19937& random);
// Time-frame names one a line: the slot's registered names reordered, renamed, dropped or added, or none at all.
std::string timeFrameList(std::mt19937& random, const Tables& t, int slot);
std::string dateText(std::mt19937& random);
std::string timeText(std::mt19937& random);

} // namespace kedravo::reliability
