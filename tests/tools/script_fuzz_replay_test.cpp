// The script fuzzer's corpus, replayed under the sanitizers of the ordinary test build.
#include "fuzz_script.h"
#include "support/corpus_replay.h"

namespace kedravo::script::test {
namespace {

TEST(ScriptFuzzCorpus, EveryInputParsesSoundlyAndWritesBack) {
    EXPECT_GT(kedravo::test::replayCorpus(SCRIPT_FUZZ_CORPUS, fuzzScript), 0);
}

} // namespace
} // namespace kedravo::script::test
