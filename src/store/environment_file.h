#pragma once
// The environment file's text, apart from the file system.
#include "core/tables.h"
#include "store/store_services.h"
#include "store/text_record.h"

#include <optional>
#include <string>

namespace kedravo::store {

// Folders as they are written, between double quotes: the caller makes sure they hold none.
std::string environmentImage(const std::string& dataDir, const std::string& backupDir, WindowPositions& windows);

// What was read of the file: its version, and the damage if it could not be read to its end.
struct EnvironmentRead {
    int version = 0;
    std::optional<Damage> damage;
};
EnvironmentRead parseEnvironment(Tables& t, WindowPositions& windows, FieldReader& reader);

} // namespace kedravo::store
