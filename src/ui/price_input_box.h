#pragma once
#include "ui/context.h"

#include <string>

namespace kedravo::ui {

// Asks for the current price in the input box owned by `window`. Returns its canonical text, or empty text
// when the box was cancelled or the entry is not a usable price.
std::string INBOX_SUB(Context& c, int window, const std::string& title);

} // namespace kedravo::ui
