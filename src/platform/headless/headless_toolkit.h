#pragma once
// The toolkit in memory: the windows and controls of a catalogue as plain state, with no display. It behaves
// as the Qt backend does; the toolkit contract tests hold both to the same rules.
#include "platform/toolkit.h"

#include <string>
#include <vector>

namespace kedravo::platform {

class HeadlessToolkit final : public Toolkit, public UserInput {
public:
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

    // The control the program last gave the keyboard to, NO_CONTROL before; no user action here moves it.
    int focused() const { return focused_; }

private:
    struct WindowState {
        const WindowDef* def;
        bool visible;
        bool topmost;
        Position position;
        std::vector<MenuItem> menu;
    };
    struct ControlState {
        const ControlDef* def;
        std::string text;
        bool enabled = true;
        bool checked = false;
        std::vector<std::string> items;
        std::vector<bool> rowSelected; // one per item; at most one set unless MULTI_SELECT
    };

    WindowState& window(int id);
    ControlState& control(int id);
    ControlState& control(int id, ControlKind kind);
    ControlState& itemControl(int id);
    int groupOf(const ControlDef& radio) const;
    void checkRadio(ControlState& radio);
    Refusal refusal(const ControlState& control);
    void press(const std::vector<int>& buttons);

    std::vector<WindowState> windows_;
    std::vector<ControlState> controls_;
    EventSink* events_ = nullptr;
    int focused_ = NO_CONTROL;
};

} // namespace kedravo::platform
