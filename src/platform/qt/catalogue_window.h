#pragma once
// A top-level window of the catalogue: fixed size, fixed frame, no minimise or maximise box. Its close box, if
// it has one, raises Event::End and leaves the closing to the program; on a window without one, a close request
// from the window manager presses its close button. A right click anywhere on it opens its menu, if it has one;
// its key chords (undo, redo, Enter, Escape) are taken before any of its controls sees them.
#include "platform/catalogue.h"
#include "platform/toolkit.h"

#include <QMargins>
#include <QMenu>
#include <QWidget>
#include <functional>
#include <vector>

namespace kedravo::platform::qt {

// The frame the catalogue's outer sizes were drawn with: a fixed dialog border and a caption bar. The client
// area keeps the catalogue's layout whatever frame the window manager draws.
inline constexpr QMargins CATALOGUE_FRAME{3, 22, 3, 3};

class CatalogueWindow : public QWidget {
public:
    // Clicks the push button of that id, as the mouse would.
    using ButtonPress = std::function<void(int button)>;

    CatalogueWindow(const WindowDef& def, EventSink& events, ButtonPress press);

    const WindowDef& def() const { return def_; }
    QSize outerSize() const { return {def_.width, def_.height}; }

    // Shows the window, first moving it onto the screens' available area if it lies partly outside.
    void showOnScreen();
    // Moves the window there, and onto the screens if it is shown.
    void moveTo(QPoint position);
    void makeTopmost();
    bool isTopmost() const;

    void setMenu(const std::vector<MenuItem>& items);
    const std::vector<MenuItem>& menu() const { return menu_; }
    // The context menu as last opened.
    QMenu& contextMenu() { return contextMenu_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool takeKey(const QKeyEvent& key);
    void fitOnScreens();

    const WindowDef& def_;
    EventSink& events_;
    ButtonPress press_;
    std::vector<MenuItem> menu_;
    QMenu contextMenu_;
};

} // namespace kedravo::platform::qt
