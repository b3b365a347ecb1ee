#include "platform/qt/control_look.h"

#include <QAbstractScrollArea>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace kedravo::platform::qt {

namespace {

// IPAPGothic's digits are wider than MS PGothic's (0.63 em against about 0.5 em). The sizes above 14 show
// dates, times and prices in boxes drawn for the narrower digits, so they are scaled down to keep those whole.
int proportionalPixelSize(int size) {
    return size > 14 ? size * 5 / 6 : size;
}

// Qt answers a family that is not installed with a fontconfig search for stand-ins, once for every font made
// from it, before it tries the next family; asking for the MS face only where it is installed gives the same
// faces without that search.
QStringList families(const QString& msFace, const QString& ipaFace) {
    return QFontDatabase::hasFamily(msFace) ? QStringList{msFace, ipaFace} : QStringList{ipaFace};
}

} // namespace

QFont controlFont(FontFace face, int size) {
    static const QStringList fixed = families(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    static const QStringList proportional = families(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont font;
    if (face == FontFace::Fixed) {
        font.setFamilies(fixed);
        font.setStyleHint(QFont::Monospace);
        font.setFixedPitch(true);
    } else {
        font.setFamilies(proportional);
        size = proportionalPixelSize(size);
    }
    font.setPixelSize(size);
    return font;
}

// Advances grow with the pixel size about in proportion, so the size is estimated from one measure at the font's
// own size and checked at the estimate: a font at each size tried costs a face loaded and glyphs shaped.
QFont fittedFont(QFont font, const QStringList& texts, int width) {
    constexpr int smallest = 10;
    const int own = font.pixelSize();
    int size = own;
    for (const QString& text : texts) {
        const int advance = QFontMetrics(font).horizontalAdvance(text);
        if (advance <= width)
            continue;
        int estimate = std::min(size, own * width / advance);
        for (; estimate >= smallest; --estimate) {
            font.setPixelSize(estimate);
            if (QFontMetrics(font).horizontalAdvance(text) <= width)
                break;
        }
        if (estimate >= smallest)
            size = estimate;
        font.setPixelSize(own);
    }
    font.setPixelSize(size);
    return font;
}

CatalogueStyle::CatalogueStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int CatalogueStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return 13;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return 3;
    case PM_DefaultFrameWidth:
        // Room for a focus frame that shows.
        return qobject_cast<const QAbstractScrollArea*>(widget) ? 2 : QProxyStyle::pixelMetric(metric, option, widget);
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

// Fusion draws a scroll area's frame alike with or without the focus; the read-only lists show no cursor either.
void CatalogueStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_Frame || !(option->state & State_HasFocus) || !qobject_cast<const QAbstractScrollArea*>(widget))
        return;
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::Active, QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

void applyColours(QWidget& widget, unsigned style) {
    QPalette palette = widget.palette();
    QColor text = Qt::black;
    QColor background = Qt::white;
    if (style & WHITE_ON_BLACK)
        std::swap(text, background);
    if (style & RED_TEXT)
        text = Qt::red;
    // Disabled text keeps the style's grey, so that a disabled control still looks disabled.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
            palette.setColor(group, role, text);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, background);
    widget.setPalette(palette);
}

} // namespace kedravo::platform::qt
