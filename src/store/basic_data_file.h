#pragma once
// The basic data file's text, apart from the file system.
#include "core/tables.h"
#include "store/text_record.h"

#include <optional>
#include <string>

namespace kedravo::store {

std::string basicDataImage(const Tables& t);
std::optional<Damage> parseBasicData(Tables& t, FieldReader& reader);

} // namespace kedravo::store
