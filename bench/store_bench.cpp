// Loading and saving ten full pages on the real file system, the save with its verification and its flushes;
// beside it the floor: the same bytes written and flushed with nothing else.
#include "core/cp932.h"
#include "full_load.h"
#include "platform/posix_file_system.h"
#include "platform/system_clock.h"
#include "store/data_files.h"
#include "store/price_data_file.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace kedravo::store {
namespace {

using bench::BenchFolder;

struct Services {
    platform::PosixFileSystem files;
    platform::SystemClock clock;
    bench::AbortingWarner warner;
    StoreServices store{files, clock, warner};
};

void BM_SaveTenFullPages(benchmark::State& state) {
    BenchFolder folder;
    Services s;
    auto t = bench::fullLoadTables(folder.path);
    for (auto _ : state)
        価格データW_SUB(*t, s.store);
}
BENCHMARK(BM_SaveTenFullPages)->Unit(benchmark::kMillisecond);

void BM_WriteAndFlushTheSameBytes(benchmark::State& state) {
    BenchFolder folder;
    platform::PosixFileSystem files;
    std::string bytes = utf8ToCp932(priceDataImage(*bench::fullLoadTables(folder.path))).text;
    for (auto _ : state) {
        platform::OpenedFile opened = files.createOrTruncate(folder.path + PRICE_FILE);
        opened.file->write(bytes);
        opened.file->flush();
        opened.file->close();
    }
}
BENCHMARK(BM_WriteAndFlushTheSameBytes)->Unit(benchmark::kMillisecond);

void BM_LoadTenFullPages(benchmark::State& state) {
    BenchFolder folder;
    Services s;
    bench::writeFullLoadFiles(folder.path);
    for (auto _ : state) {
        auto t = std::make_unique<Tables>();
        t->DATA_DIR = folder.path;
        readBasicData(*t, s.store);
        readPriceData(*t, s.store);
        benchmark::DoNotOptimize(t->LINE_COUNT[9]);
    }
}
BENCHMARK(BM_LoadTenFullPages)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kedravo::store
