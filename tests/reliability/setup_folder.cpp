#include "setup_folder.h"

#include "support/disk_files.h"

#include <fstream>
#include <sstream>

namespace kedravo::reliability {

namespace fs = std::filesystem;

SetupFiles readSetup(const fs::path& folder) {
    SetupFiles setup;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string path = fs::relative(entry.path(), folder).generic_string();
        if (entry.is_directory()) {
            setup.folders.push_back(path + "/");
            continue;
        }
        setup.files[path] = kedravo::test::fileBytes(entry.path()).value_or("");
    }
    return setup;
}

void install(const SetupFiles& setup, store::test::MemoryFileSystem& files) {
    for (const std::string& folder : setup.folders)
        files.addFolder(folder);
    for (const auto& [path, bytes] : setup.files)
        files.seed(path, bytes);
}

void copySetup(const fs::path& folder, store::test::MemoryFileSystem& files) {
    install(readSetup(folder), files);
}

fs::path realisticSetup() {
    return fs::path(KEDRAVO_SCENARIO_SETUPS) / "realistic";
}

} // namespace kedravo::reliability
