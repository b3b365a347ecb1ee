#pragma once
// A top-level window of the catalogue: fixed size, fixed frame, no minimise or maximise box. Its close box, if
// it has one, raises Event::End and leaves the closing to the program.
#include "platform/catalogue.h"
#include "platform/toolkit.h"

#include <QMargins>
#include <QWidget>

namespace kedravo::platform::qt {

// The frame the catalogue's outer sizes were drawn with: a fixed dialog border and a caption bar. The client
// area keeps the catalogue's layout whatever frame the window manager draws.
inline constexpr QMargins CATALOGUE_FRAME{3, 22, 3, 3};

class CatalogueWindow : public QWidget {
public:
    CatalogueWindow(const WindowDef& def, EventSink& events);

    const WindowDef& def() const { return def_; }
    QSize outerSize() const { return {def_.width, def_.height}; }

    // Shows the window, first moving it onto the available screen if it lies partly outside.
    void showOnScreen();
    void makeTopmost();
    bool isTopmost() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const WindowDef& def_;
    EventSink& events_;
};

} // namespace kedravo::platform::qt
