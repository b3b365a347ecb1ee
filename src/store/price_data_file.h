#pragma once
// The price data file's text and its verification against the tables, apart from the file system.
#include "core/tables.h"
#include "store/text_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace kedravo::store {

// UTF-8 image of the whole file.
std::string priceDataImage(const Tables& t);
// The error number of the verification (the last mismatch found), or nothing when the file matches.
std::optional<int> verifyPriceData(const Tables& t, std::string_view cp932);
std::optional<Damage> parsePriceData(Tables& t, FieldReader& reader);

} // namespace kedravo::store
