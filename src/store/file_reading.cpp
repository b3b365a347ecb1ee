#include "store/file_reading.h"

#include "core/folder_path.h"
#include "store/file_messages.h"
#include "store/file_save.h"
#include "store/stamp.h"

#include <algorithm>

namespace kedravo::store {
namespace {

using platform::IoError;

// Every line the system writes ends with CR LF, so a file whose last line does not end is a cut one, even when
// the fields it holds happen to read: the cut may have shortened the last of them.
std::optional<Damage> cutAtTheEnd(std::string_view bytes) {
    if (bytes.empty() || bytes.back() == '\n')
        return std::nullopt;
    return Damage{1 + static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')), "最後の行が途中で切れています"};
}

void tellDamage(StoreServices& s, const std::string& path, const std::string& what) {
    std::optional<std::string> kept = preserveFile(s, path);
    s.warner.STOP_SUB("データファイル警告", shownPath(s.files, path) + what + keptText(kept));
}

} // namespace

std::optional<std::string> preserveFile(StoreServices& s, const std::string& path) {
    // Appended rather than joined with "+": GCC 12 at -O3 warns falsely about "." + a string (-Wrestrict).
    std::string suffix = ".";
    suffix += stampNow(s.clock);
    if (s.files.copy(path, path + suffix) == IoError::None)
        return shownPath(s.files, path + suffix);
    for (const std::string& folder : fallbackFolders(s.files))
        if (s.files.copy(path, folder + fileNameOf(path) + suffix) == IoError::None)
            return folder + fileNameOf(path) + suffix;
    // A file that cannot even be read can still be moved out of the way of the save.
    if (s.files.renameOver(path, path + suffix) == IoError::None)
        return shownPath(s.files, path + suffix);
    return std::nullopt;
}

std::string keptText(const std::optional<std::string>& kept) {
    if (!kept)
        return "\r\n元のファイルの控えを作れませんでした。終了時に上書きされます。";
    return "\r\n元のファイルを次の名前で残しました。\r\n" + *kept;
}

void readDataFile(StoreServices& s, const std::string& path, const FieldParser& parse) {
    if (!s.files.exists(path)) {
        s.known.sawNone(path);
        return;
    }
    platform::FileContents contents = s.files.read(path);
    if (contents.error != IoError::None) {
        s.known.keptUnread(path);
        tellDamage(s, path, "を読めません（" + reasonText(contents.error) + "）。");
        return;
    }
    s.known.saw(path, contents.bytes);
    DecodedFile file = decodeFile(contents.bytes);
    FieldReader reader(file.text);
    std::optional<Damage> damage = parse(reader);
    if (!damage)
        damage = cutAtTheEnd(contents.bytes);
    if (!damage)
        damage = reader.noted();
    // The text stops where the bytes that are not code page 932 begin.
    if (damage && file.damage && damage->line >= file.damage->line)
        damage = file.damage;
    if (damage)
        tellDamage(s, path,
                   "の" + std::to_string(damage->line) + "行目が壊れています（" + damage->reason +
                       "）。\r\n読めたところまでを使います。");
}

} // namespace kedravo::store
