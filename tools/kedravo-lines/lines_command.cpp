#include "lines_command.h"

#include "core/folder_path.h"
#include "core/line_break.h"
#include "lines/csv_lines.h"
#include "lines/sort.h"
#include "store/data_files.h"
#include "ui/csv_files.h"

#include <memory>
#include <optional>

namespace kedravo::lines_tool {
namespace {

struct Options {
    std::string command;
    std::optional<std::string> dataDir;
    std::optional<std::string> page;
    std::optional<std::string> file;
};

struct Parsed {
    Options options;
    std::string error;
};

Parsed parseArguments(const std::vector<std::string>& args) {
    Parsed parsed;
    Options& o = parsed.options;
    if (args.empty() || (args[0] != "export" && args[0] != "import"))
        return {o, args.empty() ? "export or import?" : "unknown command: " + args[0]};
    o.command = args[0];
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& a = args[k];
        const bool valued = a == "--data" || a == "--page";
        if (valued && k + 1 == args.size())
            return {o, a + " needs a value"};
        if (valued)
            (a == "--data" ? o.dataDir : o.page) = args[++k];
        else if (a.starts_with("--") || o.file)
            return {o, "unexpected argument: " + a};
        else
            o.file = a;
    }
    if (o.command == "import" && (!o.page || !o.file))
        parsed.error = "import needs --page and FILE";
    return parsed;
}

// Texts for the warning box break lines with CR LF; a terminal wants LF.
std::string withLineFeeds(std::string text) {
    for (std::size_t at; (at = text.find(LINE_BREAK)) != std::string::npos;)
        text.replace(at, LINE_BREAK.size(), "\n");
    return text;
}

// Warnings of the store, told on standard error; reading stops being trusted once one was told.
class StreamWarner final : public platform::Warner {
public:
    explicit StreamWarner(std::ostream& err) : err_(err) {}
    void STOP_SUB(const std::string& caption, const std::string& text) override {
        tell(caption + ": " + text);
        ++count_;
    }
    void tell(const std::string& text) { err_ << "kedravo-lines: " << withLineFeeds(text) << '\n'; }
    int count() const { return count_; }

private:
    std::ostream& err_;
    int count_ = 0;
};

// KANKYO.TXT's window positions are of no use here.
class NoWindows final : public store::WindowPositions {
public:
    platform::Position get(int) override { return {}; }
    void move(int, platform::Position) override {}
};

// A page in use, by its name or by its slot number 1 to 10; without a choice, the first page in use.
std::optional<int> pageOf(const Tables& t, const std::optional<std::string>& choice) {
    for (int p = 0; p < PAGE_MAX; ++p)
        if (!t.PAGE_NAME[p].empty() && (!choice || t.PAGE_NAME[p] == *choice))
            return p;
    for (int p = 0; choice && p < PAGE_MAX; ++p)
        if (!t.PAGE_NAME[p].empty() && *choice == std::to_string(p + 1))
            return p;
    return std::nullopt;
}

class LinesRun {
public:
    LinesRun(const Options& o, platform::FileSystem& files, platform::Clock& clock, std::ostream& out,
             std::ostream& err)
        : o_(o), files_(files), out_(out), warner_(err), s_{files, clock, warner_} {}

    int run() {
        if (!o_.dataDir && !files_.exists(store::ENVIRONMENT_FILE))
            return refuse("このフォルダーに KANKYO.TXT がありません。データフォルダーを --data DIR で指定して下さい。");
        if (o_.dataDir)
            t_.DATA_DIR = asFolder(*o_.dataDir);
        else
            store::readEnvironment(t_, s_, windows_);
        if (!t_.DATA_DIR.empty() && !files_.isDirectory(t_.DATA_DIR))
            return refuse("データフォルダー " + t_.DATA_DIR + " がありません。");
        const auto lock = store::lockDataFolder(s_, t_.DATA_DIR);
        if (!lock)
            return refuse("KEDRAVO V2 がこのデータフォルダーを使っています。終了してからもう一度実行して下さい。");
        store::readBasicData(t_, s_);
        store::readPriceData(t_, s_);
        if (warner_.count() > 0)
            return refuse("データファイルが読み切れないため、何もしませんでした。");
        const std::optional<int> page = pageOf(t_, o_.page);
        if (!page) {
            warner_.tell(o_.page ? "ページ " + *o_.page + " がありません。" : "使われているページがありません。");
            return USAGE_ERROR;
        }
        return o_.command == "export" ? exportLines(*page) : importLines(*page);
    }

private:
    int refuse(const std::string& text) {
        warner_.tell(text);
        return REFUSED;
    }

    int exportLines(int page) {
        if (!o_.file) {
            out_ << csvOfLines(t_, page);
            return DONE;
        }
        if (const auto error = ui::writeCsvFile(files_, t_, page, *o_.file))
            return refuse(*error);
        out_ << t_.LINE_COUNT[page] << "本のラインを " << *o_.file << " に書き出しました。\n";
        return DONE;
    }

    // All or nothing: a refused row leaves the data folder as it was.
    int importLines(int page) {
        const CsvImport import = ui::readCsvFile(files_, *o_.file, t_, page, 0);
        if (!import.fileError.empty())
            return refuse(import.fileError);
        if (import.anyRefused())
            return refuse("読み込めない行があるため、何も書き込みませんでした。\r\n" + csvRowsNotAdded(import));
        if (!import.lines.empty()) {
            addCsvLines(t_, page, import.lines);
            t_.CUR_PAGE = static_cast<std::int16_t>(page);
            ソート_SUB(t_, t_.LINE_COUNT[page]);
            if (!store::価格データW_SUB(t_, s_, store::SaveMode::DuringSession))
                return refuse("何も書き込めませんでした。");
        }
        out_ << withLineFeeds(csvImportReport(import)) << '\n';
        return DONE;
    }

    const Options& o_;
    platform::FileSystem& files_;
    std::ostream& out_;
    StreamWarner warner_;
    store::StoreServices s_;
    NoWindows windows_;
    // Too large for a small stack.
    std::unique_ptr<Tables> tables_ = std::make_unique<Tables>();
    Tables& t_ = *tables_;
};

} // namespace

int runLinesCommand(const std::vector<std::string>& args, platform::FileSystem& files, platform::Clock& clock,
                    std::ostream& out, std::ostream& err) {
    const Parsed parsed = parseArguments(args);
    if (!parsed.error.empty()) {
        err << "kedravo-lines: " << parsed.error << '\n' << USAGE << '\n';
        return USAGE_ERROR;
    }
    return LinesRun(parsed.options, files, clock, out, err).run();
}

} // namespace kedravo::lines_tool
