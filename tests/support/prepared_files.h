#pragma once
// Data files as an earlier run would have left them, written by the store's own writers.
#include "store/data_files.h"
#include "support/tables_builder.h"
#include "test_services.h"

#include <gtest/gtest.h>

namespace kedravo::test {

inline constexpr char DATA_DIR[] = "/data/";

// The tables of an earlier run on DATA_DIR: page 0 holds `page`, every page has the spread a fresh page has.
inline std::unique_ptr<Tables> earlierRun(const Page& page) {
    auto t = std::make_unique<Tables>();
    t->DATA_DIR = DATA_DIR;
    t->PAGE_SPREAD.fill("0.01");
    putPage(*t, 0, page);
    return t;
}

// The files of `t` in its data folder ("" is the working directory): the basic data file only when page 0 has time
// frames, as when it was lost, the price data file and, given the windows, the environment file.
inline void prepareFiles(store::test::MemoryFileSystem& files, Tables& t,
                         store::test::FixedWindows* windows = nullptr) {
    platform::FixedClock clock{store::test::TEST_NOW};
    store::test::RecordingWarner warner;
    store::StoreServices services{files, clock, warner};
    files.addFolder(t.DATA_DIR.empty() ? "/cwd/" : t.DATA_DIR);
    if (t.TF_COUNT[0] > 0)
        store::基本データＷ_SUB(t, services);
    store::価格データW_SUB(t, services);
    if (windows)
        store::環境データW_SUB(t, services, *windows);
    EXPECT_TRUE(warner.shown.empty()) << "the files could not be prepared";
}

} // namespace kedravo::test
