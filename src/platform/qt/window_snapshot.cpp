#include "platform/qt/window_snapshot.h"

#include "platform/qt/catalogue_window.h"
#include "platform/qt/control_look.h"

#include <QPainter>
#include <QPixmap>

namespace kedravo::platform::qt {
namespace {

const QColor FRAME_COLOUR(0xd4, 0xd0, 0xc8);
const QColor CAPTION_COLOUR(0x0a, 0x24, 0x6a);

void drawCaptionBar(QPainter& painter, const CatalogueWindow& window) {
    const QRect bar(CATALOGUE_FRAME.left(), 2,
                    window.outerSize().width() - CATALOGUE_FRAME.left() - CATALOGUE_FRAME.right(),
                    CATALOGUE_FRAME.top() - 3);
    painter.fillRect(bar, CAPTION_COLOUR);
    QFont font = controlFont(FontFace::Proportional, 12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(bar.adjusted(4, 0, -20, 0), Qt::AlignLeft | Qt::AlignVCenter, window.windowTitle());
    if (window.def().closeBox) {
        const QRect box(bar.right() - 16, bar.top() + 2, 15, bar.height() - 4);
        painter.fillRect(box, FRAME_COLOUR);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("×"));
    }
}

} // namespace

QImage windowPicture(CatalogueWindow& window) {
    QImage picture(window.outerSize(), QImage::Format_RGB32);
    picture.fill(FRAME_COLOUR);
    QPainter painter(&picture);
    drawCaptionBar(painter, window);
    painter.drawPixmap(CATALOGUE_FRAME.left(), CATALOGUE_FRAME.top(), window.grab());
    return picture;
}

} // namespace kedravo::platform::qt
