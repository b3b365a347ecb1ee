// Loading and saving ten full pages on the real file system, the save with its verification and its flushes;
// beside it the floor: the same bytes written and flushed with nothing else.
#include "core/cp932.h"
#include "platform/posix_file_system.h"
#include "platform/system_clock.h"
#include "store/data_files.h"
#include "store/price_data_file.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace kedravo::store {
namespace {

class SilentWarner : public platform::Warner {
public:
    void STOP_SUB(const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        std::abort();
    }
};

std::unique_ptr<Tables> tenFullPages(const std::string& dataDir) {
    auto t = std::make_unique<Tables>();
    t->DATA_DIR = dataDir;
    for (int p = 0; p < PAGE_MAX; ++p) {
        t->PAGE_NAME[p] = "ページ" + std::to_string(p + 1);
        t->PAGE_SPREAD[p] = "0.015";
        t->CUR_PRICE[p] = "112.345";
        t->CUR_PRICE_TIME[p] = "2016/03/01_09:30:05";
        t->TF_COUNT[p] = TF_MAX;
        for (int j = 0; j < TF_MAX; ++j)
            t->TF_NAME[p][j] = "時間足" + std::to_string(j + 1);
        t->LINE_COUNT[p] = LINE_MAX;
        for (int j = 0; j < LINE_MAX; ++j) {
            t->LINE_PRICE[p][j] = std::to_string(100 + j / 10) + "." + std::to_string(10000 + j);
            t->LINE_TF[p][j] = static_cast<std::int16_t>(j % TF_MAX);
            t->LINE_CROSS[p][j] = static_cast<std::int16_t>(j);
        }
    }
    return t;
}

struct BenchFolder {
    std::string path;
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kedravo-bench-XXXXXX").string();
        path = std::string(mkdtemp(pattern.data())) + "/";
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
};

struct Services {
    platform::PosixFileSystem files;
    platform::SystemClock clock;
    SilentWarner warner;
    StoreServices store{files, clock, warner};
};

void BM_SaveTenFullPages(benchmark::State& state) {
    BenchFolder folder;
    Services s;
    auto t = tenFullPages(folder.path);
    for (auto _ : state)
        価格データW_SUB(*t, s.store);
}
BENCHMARK(BM_SaveTenFullPages)->Unit(benchmark::kMillisecond);

void BM_WriteAndFlushTheSameBytes(benchmark::State& state) {
    BenchFolder folder;
    platform::PosixFileSystem files;
    std::string bytes = utf8ToCp932(priceDataImage(*tenFullPages(folder.path))).text;
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
    auto saved = tenFullPages(folder.path);
    基本データＷ_SUB(*saved, s.store);
    価格データW_SUB(*saved, s.store);
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
