#pragma once
// What the files hold, beside the change history: the data files a failed save left behind the tables, and the
// settings KANKYO.TXT holds.
#include "core/tables.h"

#include <string>

namespace kedravo::ui {

struct UnsavedFiles {
    bool priceData = false;
    bool basicData = false;
};

struct EnvironmentSettings {
    std::string dataDir;
    std::string backupDir;
    std::int16_t backupOn = 0;
    bool operator==(const EnvironmentSettings&) const = default;
};

inline EnvironmentSettings settingsOf(const Tables& t) {
    return {t.DATA_DIR, t.BACKUP_DIR, t.BACKUP_ON};
}

} // namespace kedravo::ui
