#include "ui/csv_menu.h"

#include "store/stamp.h"
#include "ui/commit.h"
#include "ui/controls.h"
#include "ui/csv_files.h"
#include "ui/line_display.h"
#include "ui/page_slot_names.h"
#include "ui/past_price_window.h"

#include <algorithm>

namespace kedravo::ui {
namespace {

// Characters no file name may hold on Windows or Linux become "_", so that any page name gives a name.
std::string asFileName(std::string name) {
    std::replace_if(
        name.begin(), name.end(),
        [](char ch) { return std::string_view("\\/:*?\"<>|").find(ch) != std::string_view::npos; }, '_');
    return name;
}

// The time frame the past-price window has chosen, for rows that name none.
int defaultTimeFrame(Context& c) {
    return c.t.FORM3_OPEN ? std::max(0, c.toolkit.selected(COMBO2)) : 0;
}

// The page's name, "_", YYMMDD of today, ".csv".
std::string proposedCsvName(Context& c) {
    const int page = c.t.CUR_PAGE;
    const std::string name = c.t.PAGE_NAME[page].empty() ? defaultPageName(page + 1) : c.t.PAGE_NAME[page];
    return asFileName(name) + "_" + store::stampNow(c.clock).substr(0, 6) + ".csv";
}

} // namespace

void CSV_EXPORT_ON(Context& c, int) {
    const auto path = c.dialogs.saveCsvAs(MAINFORM, "CSVに書き出す", proposedCsvName(c));
    if (!path)
        return;
    if (const auto error = writeCsvFile(c.files, c.t, c.t.CUR_PAGE, *path))
        c.dialogs.STOP_SUB(CSV_EXPORT_ERROR, *error);
}

// Nothing is added before every row is checked; the report follows the refreshed and saved page.
void CSV_IMPORT_ON(Context& c, int) {
    const auto path = c.dialogs.openCsv(MAINFORM, "CSVから読み込む");
    if (!path)
        return;
    const CsvImport import = readCsvFile(c.files, *path, c.t, c.t.CUR_PAGE, defaultTimeFrame(c));
    if (!import.fileError.empty()) {
        c.dialogs.STOP_SUB(CSV_IMPORT_ERROR, import.fileError);
        return;
    }
    addCsvLines(c.t, c.t.CUR_PAGE, import.lines);
    LISTSET_SUB(c);
    if (c.t.FORM3_OPEN)
        showRoomLeft(c);
    commitChange(c, CHANGE_CSV_IMPORT);
    c.dialogs.STOP_SUB(CSV_IMPORT_REPORT, csvImportReport(import));
}

} // namespace kedravo::ui
