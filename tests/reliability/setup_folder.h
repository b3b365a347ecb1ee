#pragma once
// A folder of prepared files (a scenario's setup) copied into the file system in memory, as the scenario
// harness copies it into a fresh working directory.
#include "memory_file_system.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kedravo::reliability {

struct SetupFiles {
    std::vector<std::string> folders;         // relative, ending with "/"
    std::map<std::string, std::string> files; // relative path -> bytes
};

SetupFiles readSetup(const std::filesystem::path& folder);
void install(const SetupFiles& setup, store::test::MemoryFileSystem& files);
void copySetup(const std::filesystem::path& folder, store::test::MemoryFileSystem& files);

// The realistic data set: three pages of 20 lines with Japanese time-frame names, data folder "data/".
std::filesystem::path realisticSetup();

} // namespace kedravo::reliability
