#include "full_load.h"

#include "lines/price_text.h"
#include "platform/posix_file_system.h"
#include "platform/system_clock.h"
#include "store/data_files.h"
#include "ui/catalogue.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace kedravo::bench {
namespace {

// Hundred-thousandths: 120.00000 down to about 100.15, a little lower on each later page.
std::string linePrice(int page, int line) {
    const int value = 12000000 - line * 6637 - page * 11;
    char text[16];
    std::snprintf(text, sizeof text, "%d.%05d", value / 100000, value % 100000);
    return normalisedPrice(text);
}

struct Services {
    platform::PosixFileSystem files;
    platform::SystemClock clock;
    AbortingWarner warner;
    store::StoreServices store{files, clock, warner};
};

class CataloguePositions : public store::WindowPositions {
public:
    platform::Position get(int window) override {
        const platform::WindowDef& def = ui::catalogue().windows[static_cast<std::size_t>(window)];
        return {def.left, def.top};
    }
    void move(int, platform::Position) override {}
};

} // namespace

std::unique_ptr<Tables> fullLoadTables(const std::string& dataDir) {
    auto t = std::make_unique<Tables>();
    t->DATA_DIR = dataDir;
    for (int p = 0; p < PAGE_MAX; ++p) {
        t->PAGE_NAME[p] = "ページ" + std::to_string(p + 1);
        t->PAGE_SPREAD[p] = "0.015";
        t->CUR_PRICE[p] = LOW_PRICE;
        t->CUR_PRICE_TIME[p] = "2016/03/01_09:30:05";
        t->TF_COUNT[p] = TF_MAX;
        for (int j = 0; j < TF_MAX; ++j)
            t->TF_NAME[p][j] = "時間足" + std::to_string(j + 1);
        t->LINE_COUNT[p] = LINE_MAX;
        for (int j = 0; j < LINE_MAX; ++j) {
            t->LINE_PRICE[p][j] = linePrice(p, j);
            t->LINE_TF[p][j] = static_cast<std::int16_t>(j % TF_MAX);
            t->LINE_CROSS[p][j] = static_cast<std::int16_t>((j * 37 + p) % 60);
        }
    }
    return t;
}

BenchFolder::BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kedravo-bench-XXXXXX").string();
    path = std::string(mkdtemp(pattern.data())) + "/";
}

BenchFolder::~BenchFolder() {
    std::filesystem::remove_all(path);
}

void writeFullLoadFiles(const std::string& folder) {
    Services s;
    auto t = fullLoadTables(folder);
    store::基本データＷ_SUB(*t, s.store);
    store::価格データW_SUB(*t, s.store);
}

void writeEnvironmentFile(const std::string& folder) {
    Services s;
    CataloguePositions positions;
    auto t = fullLoadTables(folder);
    store::環境データW_SUB(*t, s.store, positions);
}

void abortOnWarning(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::abort();
}

} // namespace kedravo::bench
