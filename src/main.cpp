// KEDRAVO V2: the whole program on the Qt toolkit, with its dialogs, the computer's clock and its file system.
#include "platform/posix_file_system.h"
#include "platform/qt/japanese_qt_texts.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/system_clock.h"
#include "ui/program.h"

#include <QApplication>

int main(int argc, char** argv) {
    using namespace kedravo;
    QApplication application(argc, argv);
    // The desktop matches the windows with the menu entry, and so with its name and icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kedravo.kedravo"));
    const platform::qt::JapaneseQtTexts japanese;
    platform::qt::QtToolkit toolkit;
    platform::qt::QtDialogs dialogs(toolkit);
    platform::SystemClock clock;
    platform::PosixFileSystem files;
    ui::Program program({toolkit, dialogs, clock, files});
    program.startup();
    // Only the program knows when it has ended: at MAINFORM_END, or when start-up gives way.
    while (!program.ended())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return 0;
}
