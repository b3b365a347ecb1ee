// The desktop program on the Qt toolkit, started in a folder whose KANKYO.TXT names the full-load data folder,
// and ended at the first paint of its main window. With the argument "full" it goes on as a trader at full load
// would before ending: it visits every page, opens the update window with every line crossed, the deletion and
// the shift windows, and closes the main window, which saves the price data with its verification.
#include "first_paint.h"
#include "full_load_session.h"
#include "platform/posix_file_system.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/system_clock.h"
#include "store/data_files.h"
#include "ui/controls.h"
#include "ui/program.h"

#include <QApplication>
#include <filesystem>
#include <string_view>

namespace {

using namespace kedravo;

void workAtFullLoad(platform::qt::QtToolkit& kit, bench::BenchDialogs& dialogs) {
    for (int page = kit.itemCount(ui::COMBO1) - 1; page >= 0; --page)
        kit.pick(ui::COMBO1, page);
    kit.click(ui::BUTTON2);
    dialogs.answerInput(bench::RAISED_PRICE);
    kit.click(ui::BUTTON5);
    kit.click(ui::BUTTON14);
    kit.click(ui::BUTTON17);
    QCoreApplication::processEvents();
    kit.closeWindow(ui::MAINFORM);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool full = argc > 1 && std::string_view(argv[1]) == "full";
    platform::qt::QtToolkit kit;
    bench::BenchDialogs dialogs((std::filesystem::current_path() / store::BASIC_FILE).string());
    platform::SystemClock clock;
    platform::PosixFileSystem files;
    ui::Program program({kit, dialogs, clock, files});
    program.startup();
    bench::FirstPaint painted(kit.windowWidget(ui::MAINFORM), [&] {
        if (full)
            workAtFullLoad(kit, dialogs);
        QCoreApplication::exit(full && !program.ended() ? 1 : 0);
    });
    return QApplication::exec();
}
