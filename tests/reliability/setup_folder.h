#pragma once
// A folder of prepared files (a scenario's setup) copied into the file system in memory, as the scenario
// harness copies it into a fresh working directory.
#include "memory_file_system.h"

#include <filesystem>

namespace kedravo::reliability {

void copySetup(const std::filesystem::path& setup, store::test::MemoryFileSystem& files);

// The realistic data set: three pages of 20 lines with Japanese time-frame names, data folder "data/".
std::filesystem::path realisticSetup();

} // namespace kedravo::reliability
