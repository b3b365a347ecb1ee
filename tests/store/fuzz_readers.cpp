#include "fuzz_readers.h"

#include "random_tables.h"
#include "store/data_files.h"
#include "support/fuzz_require.h"
#include "test_services.h"

#include <memory>

namespace kedravo::store::test {
namespace {

using kedravo::test::require;

void requireInBounds(const Tables& t) {
    for (int p = 0; p < PAGE_SLOTS; ++p) {
        require(t.LINE_COUNT[p] >= 0 && t.LINE_COUNT[p] <= LINE_MAX, "line count in range");
        require(t.TF_COUNT[p] >= 0 && t.TF_COUNT[p] <= TF_MAX, "time-frame count in range");
        for (int j = 0; j < t.LINE_COUNT[p]; ++j)
            require(t.LINE_TF[p][j] >= 0 && t.LINE_TF[p][j] <= TF_MAX, "time-frame index in range");
    }
}

// Fresh tables are large; mapping and clearing two for every input would be most of the fuzzer's time, so the
// same two are emptied by assignment instead.
Tables& emptied(Tables& t) {
    static const auto empty = std::make_unique<const Tables>();
    t = *empty;
    return t;
}

} // namespace

void fuzzReaders(std::string_view bytes) {
    static const auto read = std::make_unique<Tables>();
    static const auto readBack = std::make_unique<Tables>();
    TestStore store;
    for (const char* file : {ENVIRONMENT_FILE, BASIC_FILE, PRICE_FILE})
        store.files.seed(file, std::string(bytes));
    Tables& t = emptied(*read);
    FixedWindows windows;
    readEnvironment(t, store.services, windows);
    require(t.DATA_DIR.empty() || t.DATA_DIR.back() == '/', "data folder ends with its separator");
    // The data files are read and written where the fuzzer put them, without a backup.
    t.DATA_DIR.clear();
    t.BACKUP_DIR.clear();
    t.BACKUP_ON = 0;
    readBasicData(t, store.services);
    readPriceData(t, store.services);
    requireInBounds(t);

    TestStore again;
    基本データＷ_SUB(t, again.services);
    価格データW_SUB(t, again.services);
    Tables& back = emptied(*readBack);
    readBasicData(back, again.services);
    readPriceData(back, again.services);
    require(firstDifference(t, back).empty(), "what was read comes back unchanged");
}

} // namespace kedravo::store::test
