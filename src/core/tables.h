#pragma once
// The process-wide tables of pages and lines. Every routine is handed one Tables; a fresh one is all empty
// texts and zeros, which is exactly the state the program starts from.
#include <array>
#include <climits>
#include <cstdint>
#include <string>

// POSIX <limits.h> defines LINE_MAX as a macro (pulled in by <memory> and others), which would replace the
// constant below wherever it came first. Taking the header in here and dropping the macro settles it for every
// order of includes, since the header's guard keeps it from coming back.
#undef LINE_MAX

namespace kedravo {

inline constexpr int PAGE_MAX = 10;
inline constexpr int LINE_MAX = 300;
inline constexpr int TF_MAX = 20;
inline constexpr int DATA_VERSION = 200;
inline constexpr std::int16_t CROSS_CAP = 32765;
// The program's windows, the main window first; KANKYO.TXT keeps a position for each.
inline constexpr int WINDOW_COUNT = 6;

// Page tables have one slot more than there are pages (slot 10 is visited but never written); line tables one
// more than LINE_MAX, time-frame tables one more than TF_MAX.
inline constexpr int PAGE_SLOTS = PAGE_MAX + 1;
inline constexpr int LINE_SLOTS = LINE_MAX + 1;
inline constexpr int TF_SLOTS = TF_MAX + 1;

using PageTexts = std::array<std::string, PAGE_SLOTS>;
using PageInts = std::array<std::int16_t, PAGE_SLOTS>;
using TfTexts = std::array<std::array<std::string, TF_SLOTS>, PAGE_SLOTS>;     // [page][time frame]
using TfInts = std::array<std::array<std::int16_t, TF_SLOTS>, PAGE_SLOTS>;     // [page][time frame]
using LineTexts = std::array<std::array<std::string, LINE_SLOTS>, PAGE_SLOTS>; // [page][line]
using LineInts = std::array<std::array<std::int16_t, LINE_SLOTS>, PAGE_SLOTS>; // [page][line]
using RowTexts = std::array<std::string, LINE_SLOTS>;                          // row 0 .. 300
using RowMap = std::array<std::int16_t, LINE_SLOTS>;                           // list position -> line

// Which list a row map belongs to; the three lists may be on screen together, so each keeps its own map.
enum RowMapList { ROWS_LIST1 = 0, ROWS_LIST2 = 1, ROWS_LIST3 = 2, ROW_MAP_COUNT = 3 };

struct Tables {
    // Page tables.
    PageTexts PAGE_NAME{};
    PageTexts PAGE_SPREAD{};
    PageInts TF_COUNT{};
    TfTexts TF_NAME{};
    PageInts LINE_COUNT{};
    PageTexts CUR_PRICE{};
    PageTexts CUR_PRICE_TIME{};

    // Line tables.
    LineTexts LINE_PRICE{};
    LineInts LINE_TF{};
    LineInts LINE_CROSS{};

    // Page-settings working copies.
    PageTexts TMP_PAGE_NAME{};
    PageTexts TMP_SPREAD{};
    PageInts TMP_TF_COUNT{};
    TfTexts TMP_TF_NAME{};
    TfInts TMP_TF_MAP{};

    PageInts COMBO1_PAGE{};

    // Row tables of the line lists.
    RowTexts DISP_PRICE{};
    RowTexts DISP_TF{};
    RowTexts DISP_CROSS{};
    std::array<RowMap, ROW_MAP_COUNT> DISP_LINE{};

    // Scalar state.
    std::int16_t CUR_PAGE = 0;
    std::string LAST_PRICE;
    std::int16_t PAST_MODE = 0;
    std::string PAST_PRICE;
    std::int16_t PAST_TF = 0;
    std::string DATA_DIR;
    std::string BACKUP_DIR;
    std::int16_t BACKUP_ON = 0;
    std::int16_t FORM2_OPEN = 0;
    std::int16_t FORM3_OPEN = 0;
    std::int16_t FORM5_OPEN = 0;
    std::int16_t FORM6_OPEN = 0;
    std::string MAIN_TITLE;
};

} // namespace kedravo
