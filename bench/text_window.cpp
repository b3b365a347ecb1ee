// A calibration beside the floor: the empty window with one line of Japanese text in each of the program's two
// faces, ended at its first paint. What it costs over the empty window is what any window of this program pays
// for its fonts before it shows a single control.
#include "first_paint.h"
#include "platform/qt/control_look.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    using kedravo::platform::FontFace;
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(406, 460);
    QLabel proportional(QStringLiteral("現在価格の更新　売る時"), &window);
    proportional.setFont(kedravo::platform::qt::controlFont(FontFace::Proportional, 14));
    QLabel fixed(QStringLiteral("112.345（日足）3回"), &window);
    fixed.setFont(kedravo::platform::qt::controlFont(FontFace::Fixed, 14));
    fixed.move(0, 30);
    window.show();
    kedravo::bench::FirstPaint painted(window, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}
