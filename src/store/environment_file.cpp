#include "store/environment_file.h"

#include "core/cp932.h"
#include "core/folder_path.h"
#include "core/numeric_value.h"
#include "store/data_files.h"
#include "store/file_messages.h"
#include "store/file_reading.h"
#include "store/file_save.h"
#include "store/storable_text.h"

#include <algorithm>
#include <cmath>

namespace kedravo::store {
namespace {

constexpr int MAINFORM_WINDOW = 0;
constexpr int FORM6_WINDOW = 5;
constexpr int FIRST_VERSION_WITH_FORM6 = 111;

std::int16_t toInt16(double value) {
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(value), double{INT16_MIN}, double{INT16_MAX}));
}

// A folder name the file cannot hold is not written; the folder is asked for again at the next start.
std::string storableFolder(const std::string& folder, const char* what, platform::Warner& warner) {
    if (isStorable(folder))
        return folder;
    warner.STOP_SUB("保存警告", std::string(what) + "の名前をKANKYO.TXTに書けません。\r\n" + folder +
                                    "\r\n次の起動時にフォルダーを選び直してください。");
    return {};
}

// Positions may have been stored in single precision ("10.5"); windows stand on whole pixels.
bool readPosition(WindowPositions& windows, FieldReader& r, int window) {
    std::optional<double> left = r.decimal();
    std::optional<double> top = left ? r.decimal() : std::nullopt;
    if (top)
        windows.move(window, {toInt16(*left), toInt16(*top)});
    return top.has_value();
}

std::optional<Damage> parseSettings(Tables& t, WindowPositions& windows, FieldReader& r, int version) {
    std::optional<std::string> dataDir = r.text();
    if (!dataDir)
        return r.damage();
    // Folders are put straight in front of file names, so one read without its separator gets it back.
    t.DATA_DIR = asFolder(*dataDir);
    std::optional<std::string> backupDir = r.text();
    if (!backupDir)
        return r.damage();
    t.BACKUP_DIR = asFolder(*backupDir);
    t.BACKUP_ON = t.BACKUP_DIR.empty() ? 0 : 1;
    for (int window = MAINFORM_WINDOW; window < FORM6_WINDOW; ++window)
        if (!readPosition(windows, r, window))
            return r.damage();
    if (version >= FIRST_VERSION_WITH_FORM6 && !readPosition(windows, r, FORM6_WINDOW))
        return r.damage();
    return std::nullopt;
}

void tellNewerVersion(StoreServices& s, const std::string& path, int version) {
    std::optional<std::string> kept = preserveFile(s, path);
    s.warner.STOP_SUB("データファイル警告", shownPath(s.files, path) + "はこのプログラムより新しい版（バージョン " +
                                                std::to_string(version) + "）のものなので、1行目より後を使いません。" +
                                                keptText(kept));
}

} // namespace

std::string environmentImage(const std::string& dataDir, const std::string& backupDir, WindowPositions& windows) {
    RecordWriter w;
    w.versionLine();
    w.quoted(dataDir).endLine();
    w.quoted(backupDir).endLine();
    for (int window = 0; window < WINDOW_COUNT; ++window) {
        platform::Position at = windows.get(window);
        w.number(toInt16(at.left)).endLine();
        w.number(toInt16(at.top)).endLine();
    }
    return w.image();
}

EnvironmentRead parseEnvironment(Tables& t, WindowPositions& windows, FieldReader& reader) {
    std::optional<std::string> version = reader.labelled();
    if (!version)
        return {0, reader.damage()};
    EnvironmentRead read{toInt16(numericValue(*version)), std::nullopt};
    // Such a file is not laid out the way the version tests of its later lines expect.
    if (read.version <= DATA_VERSION)
        read.damage = parseSettings(t, windows, reader, read.version);
    return read;
}

void readEnvironment(Tables& t, StoreServices& s, WindowPositions& windows) {
    if (!s.files.exists(ENVIRONMENT_FILE))
        return;
    int version = 0;
    readDataFile(s, ENVIRONMENT_FILE, [&](FieldReader& reader) {
        EnvironmentRead read = parseEnvironment(t, windows, reader);
        version = read.version;
        return read.damage;
    });
    if (version > DATA_VERSION)
        tellNewerVersion(s, ENVIRONMENT_FILE, version);
}

bool 環境データW_SUB(Tables& t, StoreServices& s, WindowPositions& windows, SaveMode mode) {
    std::string image = environmentImage(storableFolder(t.DATA_DIR, "データフォルダー", s.warner),
                                         storableFolder(t.BACKUP_DIR, "バックアップ先のフォルダー", s.warner), windows);
    return saveFile(s, SaveJob{ENVIRONMENT_FILE, ENVIRONMENT_FILE, utf8ToCp932(image).text, nullptr, nullptr}, mode)
        .has_value();
}

} // namespace kedravo::store
