#pragma once
// The system's dialogs. Each has a real implementation (message box, input box, save and open dialogs) and a
// scripted one that answers from a queue.
#include "platform/catalogue.h"

#include <optional>
#include <string>

namespace kedravo::platform {

// STOP_SUB: the one warning box. Modal, no owner, OK only, exclamation icon; returns when dismissed.
class Warner {
public:
    virtual ~Warner() = default;
    virtual void STOP_SUB(const std::string& caption, const std::string& text) = 0;
};

// The input box's answer when the user cancels, presses Escape or closes it.
inline constexpr char INPUT_CANCELLED[] = "\x1b";

// The input box's one edit field, held to the typing rule like the catalogue's edit boxes: at most 64 bytes.
inline constexpr ControlDef INPUT_BOX_FIELD{0, "INPUT", ControlKind::EditBox,   0,  "",         0, 0,
                                            0, 0,       FontFace::Proportional, 14, STYLE_NONE, 64};

class Dialogs : public Warner {
public:
    // Modal, owned by `ownerWindow`; title and prompt as given, one edit field of at most 64 bytes, "OK" and
    // "ｷｬﾝｾﾙ". Returns the field's text, or INPUT_CANCELLED.
    virtual std::string inputBox(int ownerWindow, const std::string& title, const std::string& prompt) = 0;

    // The save-as dialog used to pick a folder: title, proposed file name, one filter "(*.*)", no overwrite
    // question. Returns the chosen path, or nothing when cancelled. `ownerWindow` < 0 means no owner.
    virtual std::optional<std::string> saveAs(int ownerWindow, const std::string& title,
                                              const std::string& proposedName) = 0;

    // The save dialog for a CSV file the trader keeps: proposed file name, CSV files shown, and a question
    // before an existing file is replaced. Returns the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> saveCsvAs(int ownerWindow, const std::string& title,
                                                 const std::string& proposedName) = 0;
    // The open dialog for a CSV file: an existing file only. Returns its path, or nothing when cancelled.
    virtual std::optional<std::string> openCsv(int ownerWindow, const std::string& title) = 0;
};

} // namespace kedravo::platform
