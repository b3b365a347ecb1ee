#pragma once
// Reading a data file at start-up. A file that cannot be read to its end is told about once, naming the line;
// what was read before the damage stays in the tables, and the file is kept under a time-stamped name before
// the save at exit can replace it.
#include "store/store_services.h"
#include "store/text_record.h"

#include <functional>
#include <optional>
#include <string>

namespace kedravo::store {

// Reads the fields into the tables as far as it can; the damage when it could not go on.
using FieldParser = std::function<std::optional<Damage>(FieldReader&)>;

// A missing file is no damage: the tables stay as they are.
void readDataFile(StoreServices& s, const std::string& path, const FieldParser& parse);

// Keeps a copy of the file as it stands (beside it, else in a fallback folder) and returns where, or nothing.
std::optional<std::string> preserveFile(StoreServices& s, const std::string& path);

// The message's tail telling where the file was kept.
std::string keptText(const std::optional<std::string>& kept);

} // namespace kedravo::store
