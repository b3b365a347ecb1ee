// full_load_folder FOLDER: writes the full-load data files and a KANKYO.TXT naming FOLDER into FOLDER, so that
// the program started there (or under a profiler) starts at full load.
#include "full_load.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: full_load_folder FOLDER\n");
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    std::filesystem::current_path(argv[1]);
    const std::string folder = std::filesystem::current_path().string() + "/";
    kedravo::bench::writeFullLoadFiles(folder);
    kedravo::bench::writeEnvironmentFile(folder);
    return 0;
}
