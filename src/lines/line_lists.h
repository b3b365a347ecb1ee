#pragma once
// What the line lists show, computed from the tables without touching any control; the window handlers put
// the results on screen.
#include "core/tables.h"

#include <optional>
#include <string>
#include <vector>

namespace kedravo {

enum class Side { Selling, Buying };

struct MainLists {
    bool hasLines = false;    // BUTTON14 and BUTTON17 follow this
    std::string upper;        // EDIT1: lines at or above the reference
    std::string lower;        // EDIT2: lines below it
    std::string priceCaption; // TEXT1
    std::string timeCaption;  // TEXT2
};

// The main window's lists for CUR_PAGE with time-frame filter `filter` (COMBO5 position, 0 = all). Sorts the
// page's lines, as every rebuild does.
MainLists buildMainLists(Tables& t, int filter, Side side);

// LIST1's rows for threshold `threshold` (COMBO4 position); also writes LIST1's row map. None on a page without
// lines. Nothing when the list must be left as it is (no positive stored current price).
std::optional<std::vector<std::string>> buildCrossedRows(Tables& t, int threshold);

// LIST2's rows with filter `filter` (COMBO6 position, 0 = all, -1 = none match); writes LIST2's row map.
std::vector<std::string> buildDeletionRows(Tables& t, int filter);

// LIST3's rows: every line of the page; writes LIST3's row map.
std::vector<std::string> buildShiftRows(Tables& t);

// Marks line `line` of `page` for deletion by the next compaction.
void markForDeletion(Tables& t, int page, int line);
// Drops the lines of `page` marked for deletion, keeping the order of the others; returns the new count.
int compactLines(Tables& t, int page);

// The page-settings working copy of page p.
void 一時退避_SUB(Tables& t, int p);

} // namespace kedravo
