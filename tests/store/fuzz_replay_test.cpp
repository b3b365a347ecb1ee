// The fuzzer's corpus, replayed under the sanitizers of the ordinary test build.
#include "fuzz_readers.h"
#include "support/corpus_replay.h"

namespace kedravo::store::test {
namespace {

TEST(FuzzCorpus, EveryInputReadsSavesAndReadsBackUnchanged) {
    EXPECT_GT(kedravo::test::replayCorpus(STORE_FUZZ_CORPUS, fuzzReaders), 0);
}

} // namespace
} // namespace kedravo::store::test
