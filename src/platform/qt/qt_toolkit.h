#pragma once
// The toolkit on Qt Widgets: the catalogue's windows and controls as widgets, and a user's actions on them for
// scripted runs. A QApplication must exist before create(); the catalogue must outlive the toolkit. A window's
// controls are made when it is first shown: until then their state is kept in memory, as the headless toolkit keeps
// it, and handed to the widgets when they are made, so that start-up makes only what the user sees.
#include "platform/headless/headless_toolkit.h"
#include "platform/toolkit.h"

#include <QImage>
#include <QStyle>
#include <QWidget>
#include <cassert>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace kedravo::platform::qt {

class CatalogueWindow;
class ControlBuilder;

class QtToolkit : public Toolkit, public UserInput {
public:
    QtToolkit();
    ~QtToolkit() override;

    void create(const Catalogue& catalogue, EventSink& events) override;

    void setCaption(int window, const std::string& caption) override;
    void show(int window) override;
    void hide(int window) override;
    bool isVisible(int window) override;
    void makeTopmost(int window) override;
    bool isTopmost(int window) override;
    void activate(int window) override;
    Position position(int window) override;
    void move(int window, Position position) override;
    void setMenu(int window, const std::vector<MenuItem>& items) override;
    std::vector<MenuItem> menu(int window) override;

    void setFocus(int control) override;
    void setEnabled(int control, bool enabled) override;
    bool isEnabled(int control) override;
    void setFont(int control, FontFace face, int size) override;

    void setText(int control, const std::string& text) override;
    std::string text(int control) override;
    int lineCount(int control) override;
    std::string line(int control, int n) override;
    void scrollToEnd(int control) override;

    void clear(int control) override;
    void addItem(int control, const std::string& text) override;
    int itemCount(int control) override;
    std::string item(int control, int position) override;
    int selected(int control) override;
    void setSelected(int control, int position) override;
    bool isRowSelected(int control, int row) override;

    void setChecked(int control, bool checked) override;
    bool isChecked(int control) override;

    Refusal click(int control) override;
    Refusal pick(int control, int position) override;
    Refusal clickRow(int control, int row) override;
    Refusal type(int control, const std::string& text) override;
    Refusal closeWindow(int window) override;
    Refusal chooseMenuItem(int window, int position) override;
    Refusal pressKeys(int window, KeyChord chord) override;

    // The widget of a window, for the dialogs it owns.
    QWidget& windowWidget(int window);
    // The window as the user sees it, frame and caption bar included.
    QImage picture(int window);

private:
    // The catalogue's kind of the control chooses its widget class; the cast only checks it.
    template <class Widget> Widget& widget(int control) {
        QWidget* made = controls_.at(static_cast<std::size_t>(control));
        assert(dynamic_cast<Widget*>(made) && "operation does not fit the control's kind");
        return *static_cast<Widget*>(made);
    }
    const ControlDef& defOf(int control) const;
    bool isMade(int control) const;
    void makeControls(int window);
    void takeOver(const ControlDef& def);
    bool isDropDown(int control) const;
    CatalogueWindow& windowOf(int control);
    void setTabOrder(const std::vector<int>& order);
    Refusal refusal(int control);

    Catalogue catalogue_;
    std::unique_ptr<QStyle> style_; // outlives the windows that use it
    std::vector<std::unique_ptr<CatalogueWindow>> windows_;
    std::vector<ControlBuilder> builders_; // one a window
    std::vector<QWidget*> controls_;       // owned by their windows; null until made
    HeadlessToolkit unmade_;               // the state of the controls not made yet
    std::vector<std::optional<std::pair<FontFace, int>>> unmadeFonts_;
};

} // namespace kedravo::platform::qt
