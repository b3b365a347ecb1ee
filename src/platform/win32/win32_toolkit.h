#pragma once
// The toolkit on the Win32 API: the catalogue's windows as top-level windows, its controls as the system's own
// controls (BUTTON, STATIC, EDIT, LISTBOX, COMBOBOX), and a user's actions on them for scripted runs. All text
// passes through the W functions. Notifications caused by the program's own calls raise no event. The catalogue
// must outlive the toolkit.
#include "platform/toolkit.h"
#include "platform/win32/control_fonts.h"

#include <string>
#include <vector>
#include <windows.h>

namespace kedravo::platform::win32 {

class Win32Toolkit final : public Toolkit, public UserInput {
public:
    Win32Toolkit();
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

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

    // The window's handle, for the dialogs it owns and for pictures of it.
    HWND windowHandle(int window);
    // Keyboard navigation among the controls of the window a message is for, its undo and redo key chords and
    // its context menu over any of its controls; true when the message was used.
    bool navigate(MSG& message);

private:
    struct WindowState {
        Win32Toolkit* toolkit;
        const WindowDef* def;
        HWND handle;
        std::vector<MenuItem> menu;
    };
    struct ControlState {
        const ControlDef* def;
        HWND handle;
        int groupLeader;       // radio buttons: the first of their group
        std::wstring accepted; // edit boxes: the text as the typing rule last let it be
    };
    // Marks the program's own calls, whose notifications raise no event.
    class ProgramCall;

    static LRESULT CALLBACK windowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(WindowState& window, UINT message, WPARAM wParam, LPARAM lParam);
    static void createWindow(WindowState& window);
    void createControl(ControlState& control);
    void notified(ControlState& control, WORD code);
    void editChanged(ControlState& control);
    HBRUSH colour(HDC dc, HWND handle);
    static void showOnScreen(WindowState& window);
    static void fitOnScreens(WindowState& window);
    void setTabOrder(const std::vector<int>& order);
    void press(const std::vector<int>& buttons);
    void openMenu(WindowState& window, POINT at);
    bool takeChord(WindowState& window, KeyChord chord);
    void checkRadio(ControlState& radio);
    void raise(int id, Event event);

    WindowState& window(int id);
    ControlState& control(int id);
    ControlState* controlOf(HWND handle);
    static bool isMultiLineEdit(const ControlState* control);
    static bool isList(const ControlState& c);
    void applyFont(const ControlState& c, FontFace face, int size);
    Refusal refusal(const ControlState& control);

    ControlFonts fonts_;
    std::vector<WindowState> windows_;
    std::vector<ControlState> controls_;
    EventSink* events_ = nullptr;
    int programCalls_ = 0;
};

class Win32Toolkit::ProgramCall {
public:
    explicit ProgramCall(Win32Toolkit& toolkit) : toolkit_(toolkit) { ++toolkit_.programCalls_; }
    ~ProgramCall() { --toolkit_.programCalls_; }
    ProgramCall(const ProgramCall&) = delete;
    ProgramCall& operator=(const ProgramCall&) = delete;

private:
    Win32Toolkit& toolkit_;
};

} // namespace kedravo::platform::win32
