#include "invariants.h"

#include "core/cp932.h"
#include "core/numeric_value.h"
#include "lines/price_text.h"
#include "store/storable_text.h"
#include "ui/catalogue.h"
#include "ui/controls.h"

#include <algorithm>
#include <vector>

namespace kedravo::reliability {
namespace {

using namespace ui;

std::string at(const std::string& what, int page, int index = -1) {
    return what + " (page " + std::to_string(page) + (index >= 0 ? ", " + std::to_string(index) : "") + ")";
}

bool hasControl(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

bool fileCanHold(const std::string& text) {
    return store::isStorable(text) && !hasControl(text);
}

std::string pageRule(const Tables& t, int p) {
    if (t.LINE_COUNT[p] < 0 || t.LINE_COUNT[p] > LINE_MAX)
        return at("LINE_COUNT out of range", p);
    if (t.TF_COUNT[p] < 0 || t.TF_COUNT[p] > TF_MAX)
        return at("TF_COUNT out of range", p);
    if (t.PAGE_NAME[p].empty() != (t.TF_COUNT[p] == 0))
        return at("a named page without time frames, or time frames without a name", p);
    if (t.TF_COUNT[p] == 0 && t.LINE_COUNT[p] > 0)
        return at("lines on a page without time frames", p);
    if (cp932Width(t.PAGE_NAME[p]) > 20 || cp932Width(t.CUR_PRICE_TIME[p]) > 20)
        return at("a text longer than its box", p);
    std::vector<const std::string*> texts = {&t.PAGE_NAME[p], &t.PAGE_SPREAD[p], &t.CUR_PRICE[p], &t.CUR_PRICE_TIME[p]};
    for (int j = 0; j < t.TF_COUNT[p]; ++j)
        texts.push_back(&t.TF_NAME[p][j]);
    for (const std::string* text : texts)
        if (!fileCanHold(*text))
            return at("a text no data file can hold: " + *text, p);
    return "";
}

std::string lineRule(const Tables& t, int p, int j) {
    const std::string& price = t.LINE_PRICE[p][j];
    if (price.empty() || normalisedPrice(price) != price)
        return at("a price not in canonical form: " + price, p, j);
    if (t.LINE_TF[p][j] < 0 || t.LINE_TF[p][j] >= t.TF_COUNT[p])
        return at("a time frame the page does not have", p, j);
    if (t.LINE_CROSS[p][j] < 0 || t.LINE_CROSS[p][j] > CROSS_CAP)
        return at("a crossing count out of range", p, j);
    if (j > 0 && numericValue(t.LINE_PRICE[p][j - 1]) < numericValue(price))
        return at("lines not sorted highest first", p, j);
    return "";
}

std::string tableRule(const Tables& t) {
    if (!t.PAGE_NAME[PAGE_MAX].empty() || t.LINE_COUNT[PAGE_MAX] != 0 || t.TF_COUNT[PAGE_MAX] != 0)
        return "page slot 10 was written";
    for (int p = 0; p < PAGE_MAX; ++p) {
        if (std::string broken = pageRule(t, p); !broken.empty())
            return broken;
        for (int j = 0; j < t.LINE_COUNT[p]; ++j)
            if (std::string broken = lineRule(t, p, j); !broken.empty())
                return broken;
    }
    if ((t.BACKUP_ON == 1) == t.BACKUP_DIR.empty() || !fileCanHold(t.DATA_DIR) || !fileCanHold(t.BACKUP_DIR))
        return "backup switch and folder disagree";
    return "";
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A row shows its line when its columns read back as the line's price, time-frame name and `count`.
bool rowShows(const std::string& row, const Tables& t, int line, int count) {
    const int p = t.CUR_PAGE;
    const std::size_t open = row.find("（");
    if (open == std::string::npos || trimmed(row.substr(0, open)) != t.LINE_PRICE[p][line])
        return false;
    const int tf = t.LINE_TF[p][line];
    const std::string name = "（" + (tf >= 0 && tf < TF_SLOTS ? t.TF_NAME[p][tf] : "") + "）";
    const std::string tail = std::to_string(count) + "回";
    if (row.compare(open, name.size(), name) != 0 || !row.ends_with(tail))
        return false;
    return trimmed(row.substr(open + name.size(), row.size() - open - name.size() - tail.size())).empty();
}

// The rows of `list` must show exactly `lines`, through the list's own row map.
std::string listRule(const Tables& t, platform::Toolkit& toolkit, int list, RowMapList map,
                     const std::vector<int>& lines, bool plusOne) {
    const std::string name = list == LIST1 ? "LIST1" : list == LIST2 ? "LIST2" : "LIST3";
    if (toolkit.itemCount(list) != static_cast<int>(lines.size()))
        return name + " has " + std::to_string(toolkit.itemCount(list)) + " rows where " +
               std::to_string(lines.size()) + " lines belong";
    for (std::size_t r = 0; r < lines.size(); ++r) {
        const int line = lines[r];
        const int count = std::min<int>(t.LINE_CROSS[t.CUR_PAGE][line] + (plusOne ? 1 : 0), CROSS_CAP);
        if (t.DISP_LINE[map][r] != line || !rowShows(toolkit.item(list, static_cast<int>(r)), t, line, count))
            return name + " row " + std::to_string(r) + " does not stand for line " + std::to_string(line);
    }
    return "";
}

bool passes(int filter, int tf) {
    return filter == 0 || tf == filter - 1;
}

std::vector<int> filteredLines(const Tables& t, int filter) {
    std::vector<int> lines;
    for (int i = 0; i < t.LINE_COUNT[t.CUR_PAGE]; ++i)
        if (passes(filter, t.LINE_TF[t.CUR_PAGE][i]))
            lines.push_back(i);
    return lines;
}

// LIST1 keeps its rows while nothing asks for a rebuild, but every row it has is a crossed line that reaches
// the threshold, in the page's order.
std::string crossedListRule(const Tables& t, platform::Toolkit& toolkit) {
    const int p = t.CUR_PAGE;
    const double from = numericValue(t.CUR_PRICE[p]), to = numericValue(t.LAST_PRICE);
    std::vector<int> shown;
    for (int r = 0; r < toolkit.itemCount(LIST1); ++r)
        shown.push_back(t.DISP_LINE[ROWS_LIST1][r]);
    for (std::size_t r = 0; r < shown.size(); ++r) {
        const int line = shown[r];
        if (line < 0 || line >= t.LINE_COUNT[p] || (r > 0 && line <= shown[r - 1]))
            return "LIST1 row " + std::to_string(r) + " maps outside the page's lines or out of order";
        const double price = numericValue(t.LINE_PRICE[p][line]);
        if (price < std::min(from, to) || price > std::max(from, to) ||
            t.LINE_CROSS[p][line] < toolkit.selected(COMBO4))
            return "LIST1 row " + std::to_string(r) + " lists a line that was not crossed";
    }
    return listRule(t, toolkit, LIST1, ROWS_LIST1, shown, true);
}

std::string listWindowsRule(const Tables& t, platform::Toolkit& toolkit) {
    std::string broken;
    if (t.FORM2_OPEN == 1)
        broken = crossedListRule(t, toolkit);
    if (broken.empty() && t.FORM5_OPEN == 1)
        broken = listRule(t, toolkit, LIST2, ROWS_LIST2, filteredLines(t, toolkit.selected(COMBO6)), false);
    if (broken.empty() && t.FORM6_OPEN == 1)
        broken = listRule(t, toolkit, LIST3, ROWS_LIST3, filteredLines(t, 0), false);
    return broken;
}

std::vector<std::string> items(platform::Toolkit& toolkit, int control) {
    std::vector<std::string> all;
    for (int i = 0; i < toolkit.itemCount(control); ++i)
        all.push_back(toolkit.item(control, i));
    return all;
}

std::vector<std::string> rowsOf(platform::Toolkit& toolkit, int box) {
    const std::string text = toolkit.text(box);
    std::vector<std::string> rows;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", at), text.size());
        if (end > at)
            rows.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return rows;
}

// On the selling side a row's price is the stored one, so the split at the reference can be read off the rows.
std::string splitRule(const Tables& t, platform::Toolkit& toolkit) {
    const std::string& reference = t.PAST_MODE == 1 ? t.PAST_PRICE : t.CUR_PRICE[t.CUR_PAGE];
    const bool showsReference = t.PAST_MODE == 1 || toolkit.isChecked(RADIO1);
    if (showsReference && toolkit.text(TEXT1) != reference)
        return "TEXT1 does not show the reference price";
    if (!toolkit.isChecked(RADIO1))
        return "";
    for (const int box : {EDIT1, EDIT2})
        for (const std::string& row : rowsOf(toolkit, box))
            if ((numericValue(row) >= numericValue(reference)) != (box == EDIT1))
                return "a row on the wrong side of the reference price: " + row;
    return "";
}

std::string selectorsRule(const Tables& t, platform::Toolkit& toolkit) {
    std::vector<std::string> named;
    for (int p = 0; p < PAGE_MAX; ++p)
        if (!t.PAGE_NAME[p].empty())
            named.push_back(t.PAGE_NAME[p]);
    if (items(toolkit, COMBO1) != named)
        return "COMBO1 does not list the named pages";
    const int k = toolkit.selected(COMBO1);
    if (!named.empty() && (k < 0 || t.COMBO1_PAGE[k] != t.CUR_PAGE))
        return "COMBO1 does not show the current page";
    std::vector<std::string> filter = {"全部"};
    filter.insert(filter.end(), t.TF_NAME[t.CUR_PAGE].begin(), t.TF_NAME[t.CUR_PAGE].begin() + t.TF_COUNT[t.CUR_PAGE]);
    if (items(toolkit, COMBO5) != filter)
        return "COMBO5 does not list the page's time frames";
    const std::size_t shown = rowsOf(toolkit, EDIT1).size() + rowsOf(toolkit, EDIT2).size();
    if (shown != filteredLines(t, toolkit.selected(COMBO5)).size())
        return "the main window shows " + std::to_string(shown) + " rows for another number of lines";
    return splitRule(t, toolkit);
}

std::string enabledRule(const Tables& t, platform::Toolkit& toolkit) {
    const bool anyOpen = t.FORM2_OPEN + t.FORM3_OPEN + t.FORM5_OPEN + t.FORM6_OPEN > 0;
    const bool hasPage = toolkit.itemCount(COMBO1) > 0;
    for (const int control : {RADIO1, RADIO2, BUTTON10, COMBO5, COMBO1, CHECK1}) {
        const bool expected = !anyOpen && (hasPage || control == BUTTON10);
        if (toolkit.isEnabled(control) != expected)
            return "a choosing control of the main window is " + std::string(expected ? "disabled" : "enabled");
    }
    if ((t.FORM2_OPEN == 1 && toolkit.isEnabled(BUTTON2)) || (t.FORM3_OPEN == 1 && toolkit.isEnabled(BUTTON1)))
        return "the opener of an open window is enabled";
    return "";
}

std::string windowsRule(const Tables& t, platform::Toolkit& toolkit) {
    const std::pair<int, std::int16_t> flags[] = {
        {FORM2, t.FORM2_OPEN}, {FORM3, t.FORM3_OPEN}, {FORM5, t.FORM5_OPEN}, {FORM6, t.FORM6_OPEN}};
    for (const auto& [window, open] : flags)
        if (toolkit.isVisible(window) != (open == 1))
            return "an open flag disagrees with its window";
    if (toolkit.isChecked(RADIO1) == toolkit.isChecked(RADIO2))
        return "both sides or neither chosen";
    if (toolkit.isChecked(CHECK1) != (t.BACKUP_ON == 1))
        return "CHECK1 disagrees with BACKUP_ON";
    if (t.PAST_MODE == 1 && t.FORM3_OPEN == 0)
        return "the main window splits at a past price with the past-price window closed";
    // While the page settings window is open the main window is hidden and rebuilt only when it closes.
    if (toolkit.isVisible(FORM4))
        return toolkit.isVisible(MAINFORM) ? "the main window shows beside the page settings window" : "";
    std::string broken = selectorsRule(t, toolkit);
    return broken.empty() ? enabledRule(t, toolkit) : broken;
}

} // namespace

// A box holds nothing its typing rule would have kept out: no more bytes than its limit, only characters code
// page 932 holds, no double quote where the files cannot hold one, no control character but a line break in a
// multi-line box.
std::string editBoxRule(platform::Toolkit& toolkit) {
    for (const platform::ControlDef& box : catalogue().controls) {
        if (box.kind != platform::ControlKind::EditBox || (box.style & platform::READ_ONLY) != 0)
            continue;
        std::string text = toolkit.text(box.id);
        if ((box.maxBytes > 0 && cp932Width(text) > box.maxBytes) || !fitsCp932(text))
            return std::string(box.name) + " holds more than its limit or what code page 932 cannot hold";
        if ((box.style & platform::NO_DOUBLE_QUOTE) != 0 && text.find('"') != std::string::npos)
            return std::string(box.name) + " holds a double quote";
        if ((box.style & platform::MULTI_LINE) != 0)
            for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n"))
                text.erase(at, 2);
        if (hasControl(text))
            return std::string(box.name) + " holds a control character";
    }
    return "";
}

// The windows are checked only over tables whose counts and indexes can be trusted.
std::string brokenInvariant(const Tables& t, platform::Toolkit& toolkit) {
    if (std::string broken = tableRule(t); !broken.empty())
        return broken;
    if (std::string broken = windowsRule(t, toolkit); !broken.empty())
        return broken;
    if (std::string broken = editBoxRule(toolkit); !broken.empty())
        return broken;
    return listWindowsRule(t, toolkit);
}

} // namespace kedravo::reliability
