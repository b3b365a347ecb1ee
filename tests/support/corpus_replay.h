#pragma once
// A fuzzer's corpus replayed through its harness in the ordinary test build, under its sanitizers.
#include "support/disk_files.h"

#include <gtest/gtest.h>
#include <string_view>

namespace kedravo::test {

// Every input of the folder through the harness; how many there were.
template <class Harness> int replayCorpus(const std::filesystem::path& folder, Harness harness) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        harness(std::string_view(fileBytes(entry.path()).value_or("")));
        ++inputs;
    }
    return inputs;
}

} // namespace kedravo::test
