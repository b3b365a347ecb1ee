#pragma once
// The main window's menu items that take a page's lines out to a CSV file and bring them in from one.
#include "ui/context.h"

namespace kedravo::ui {

void CSV_EXPORT_ON(Context& c, int window);
// The file's rows become new lines of the current page, as one change.
void CSV_IMPORT_ON(Context& c, int window);

} // namespace kedravo::ui
