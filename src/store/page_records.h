#pragma once
// What the price data and basic data files share: the version line, then the ten pages, each opening with a
// separator line and the page's name after its label; inside a page, counted runs of records.
#include "core/tables.h"
#include "store/text_record.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kedravo::store {

inline constexpr char PAGE_NAME_LABEL[] = "ページ名";

// The version line, then each page's separator line and name line followed by what `rest` writes of page p.
std::string pagesImage(const Tables& t, std::string_view separator,
                       const std::function<void(RecordWriter& w, int p)>& rest);

// Reads what pagesImage wrote: the version line, then each page's separator line and PAGE_NAME, followed by
// what `rest` reads of page p. The first damage ends the reading.
std::optional<Damage> parsePages(Tables& t, FieldReader& r,
                                 const std::function<std::optional<Damage>(FieldReader& r, int p)>& rest);

// A count from 0 to `most`, then as many records, each read by `record` (false when it could not be). `count`
// follows the records read whole.
std::optional<Damage> parseCounted(FieldReader& r, int most, std::int16_t& count,
                                   const std::function<bool(int j)>& record);

} // namespace kedravo::store
