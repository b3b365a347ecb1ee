#pragma once
// The three data files, their backup copy and the data folder lock, as start-up and shut-down call them.
// Every failure is told to the user through STOP_SUB; nothing is lost silently.
#include "core/tables.h"
#include "store/file_save.h"
#include "store/store_services.h"

#include <memory>
#include <optional>
#include <string>

namespace kedravo::store {

inline constexpr char PRICE_FILE[] = "価格データ.TXT";
inline constexpr char BASIC_FILE[] = "基本データ.TXT";
inline constexpr char ENVIRONMENT_FILE[] = "KANKYO.TXT";

// Start-up readers: a missing file is not an error (the basic data reader then sets every spread to "0.01").
// A damaged file is warned about once, what was read is kept and the file is preserved beside itself under a
// time-stamped name. A leftover of a save that was cut short is never read.
void readBasicData(Tables& t, StoreServices& s);
void readPriceData(Tables& t, StoreServices& s);
// Reads KANKYO.TXT from the working directory: DATA_DIR and BACKUP_DIR (each ending with "/" unless empty),
// BACKUP_ON (1 when BACKUP_DIR is not empty; the caller sets CHECK1 from it) and the window positions. A file
// of a later version than 200 gives nothing after its first line, and is kept beside itself with a warning.
void readEnvironment(Tables& t, StoreServices& s, WindowPositions& windows);

// Writers, each a crash-safe replace of the whole file, as hard as `mode` says (store/file_save.h). A text no file
// can hold (a double quote, a character outside code page 932) is replaced in the tables first, and the user told.
// The price data writer returns the path its bytes went to, which is what the backup copies; nothing when they
// were not stored. The others tell whether they were.
std::optional<std::string> 価格データW_SUB(Tables& t, StoreServices& s, SaveMode mode = SaveMode::UntilStored);
bool 基本データＷ_SUB(Tables& t, StoreServices& s, SaveMode mode = SaveMode::UntilStored);
bool 環境データW_SUB(Tables& t, StoreServices& s, WindowPositions& windows, SaveMode mode = SaveMode::UntilStored);
// Copies `saved`, the price data just written, into the backup folder under a stamped name no file holds yet.
void データバックアップ_SUB(Tables& t, StoreServices& s, const std::string& saved);

// The 13-character stamp cut from "YYYY/MM/DD" and "HH:MM:SS".
std::string STAMP(const std::string& date, const std::string& time);

// Held while the program runs on a data folder; released by the system when the process ends in any way.
class DataFolderLock {
public:
    virtual ~DataFolderLock() = default;
};
// Nothing when another running copy holds the folder.
std::unique_ptr<DataFolderLock> lockDataFolder(StoreServices& s, const std::string& dataDir);

} // namespace kedravo::store
