// The script fuzzer's corpus, replayed under the sanitizers of the ordinary test build.
#include "fuzz_script.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kedravo::script::test {
namespace {

TEST(ScriptFuzzCorpus, EveryInputParsesSoundlyAndWritesBack) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SCRIPT_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        SCOPED_TRACE(entry.path().filename().string());
        fuzzScript(bytes.str());
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

} // namespace
} // namespace kedravo::script::test
