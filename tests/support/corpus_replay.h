#pragma once
// A fuzzer's corpus replayed through its harness in the ordinary test build, under its sanitizers.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string_view>

namespace kedravo::test {

// Every input of the folder through the harness; how many there were.
template <class Harness> int replayCorpus(const std::filesystem::path& folder, Harness harness) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        SCOPED_TRACE(entry.path().filename().string());
        harness(std::string_view(bytes.str()));
        ++inputs;
    }
    return inputs;
}

} // namespace kedravo::test
