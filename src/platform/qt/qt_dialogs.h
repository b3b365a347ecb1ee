#pragma once
// The system's dialogs on Qt Widgets: the warning box, the input box, the save and open dialogs.
#include "platform/dialogs.h"

class QWidget;

namespace kedravo::platform::qt {

class QtToolkit;

class QtDialogs : public Dialogs {
public:
    // The toolkit's windows own the input box and the save-as dialog.
    explicit QtDialogs(QtToolkit& toolkit) : toolkit_(toolkit) {}

    void STOP_SUB(const std::string& caption, const std::string& text) override;
    std::string inputBox(int ownerWindow, const std::string& title, const std::string& prompt) override;
    std::optional<std::string> saveAs(int ownerWindow, const std::string& title,
                                      const std::string& proposedName) override;
    std::optional<std::string> saveCsvAs(int ownerWindow, const std::string& title,
                                         const std::string& proposedName) override;
    std::optional<std::string> openCsv(int ownerWindow, const std::string& title) override;

private:
    QWidget* ownerWidget(int ownerWindow);

    QtToolkit& toolkit_;
};

} // namespace kedravo::platform::qt
