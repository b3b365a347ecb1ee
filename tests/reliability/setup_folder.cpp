#include "setup_folder.h"

#include <fstream>
#include <sstream>

namespace kedravo::reliability {

namespace fs = std::filesystem;

void copySetup(const fs::path& setup, store::test::MemoryFileSystem& files) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(setup)) {
        const std::string path = fs::relative(entry.path(), setup).generic_string();
        if (entry.is_directory()) {
            files.addFolder(path + "/");
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files.seed(path, bytes.str());
    }
}

fs::path realisticSetup() {
    return fs::path(KEDRAVO_SCENARIO_SETUPS) / "realistic";
}

} // namespace kedravo::reliability
