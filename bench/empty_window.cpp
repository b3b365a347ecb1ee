// The floor of the start-up and memory figures: an empty Qt window of the main window's size, built like the
// program, shown, and ended at its first paint.
#include "first_paint.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(406, 460);
    window.show();
    kedravo::bench::FirstPaint painted(window, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}
