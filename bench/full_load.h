#pragma once
// Full load: ten pages of 300 lines over twenty time frames each, as tables and as the data files the program
// starts from.
#include "core/tables.h"
#include "platform/dialogs.h"

#include <memory>
#include <string>

namespace kedravo::bench {

// Below every line of the full load, so that a move to RAISED_PRICE crosses all of them.
inline constexpr char LOW_PRICE[] = "99.5";
inline constexpr char RAISED_PRICE[] = "121";

// The tables as they stand after start-up at full load: every page named, with its lines sorted.
std::unique_ptr<Tables> fullLoadTables(const std::string& dataDir);

// A fresh folder under the system's temporary folder, removed with its contents. `path` ends with "/".
struct BenchFolder {
    std::string path;
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
};

// The basic data file and the price data file of the full load, written into `folder` by the program's own
// writers.
void writeFullLoadFiles(const std::string& folder);

// KANKYO.TXT in the working directory, naming `folder` as the data folder and the catalogue's window positions.
void writeEnvironmentFile(const std::string& folder);

// Any warning means the measured run went astray, so it stops the benchmark loudly.
[[noreturn]] void abortOnWarning(const std::string& caption, const std::string& text);

class AbortingWarner : public platform::Warner {
public:
    void STOP_SUB(const std::string& caption, const std::string& text) override { abortOnWarning(caption, text); }
};

} // namespace kedravo::bench
