#pragma once
// Fonts and colours of the catalogue's controls.
#include "platform/catalogue.h"

#include <QFont>
#include <QProxyStyle>

class QWidget;

namespace kedravo::platform::qt {

// The catalogue's font sizes are pixel heights of the characters. The MS Gothic faces are asked for first; the
// IPA faces stand in where those are not installed (same heights and Japanese widths).
QFont controlFont(FontFace face, int size);

// The font at the largest pixel size, from its own down to a still legible one, at which each of the texts fits
// width pixels; a text that does not fit even the smallest size is left to scroll or clip as before.
QFont fittedFont(QFont font, const QStringList& texts, int width);

// Fusion, with the text of a check box or radio button as close to its mark as on the system the catalogue was
// drawn for, so that captions such as "売る時" fit their narrow controls; and a framed box that has the keyboard
// (a list, the black line lists) shows it by its frame, as an edit line does.
class CatalogueStyle : public QProxyStyle {
public:
    CatalogueStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

// Text is black on white, except for the styles WHITE_ON_BLACK and RED_TEXT.
void applyColours(QWidget& widget, unsigned style);

} // namespace kedravo::platform::qt
