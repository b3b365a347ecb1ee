#pragma once
// What every handler and routine works with: the tables, the windows and the platform services. One Context
// lives as long as the program; nothing in it mirrors a table or a control.
#include "core/tables.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/toolkit.h"
#include "store/data_files.h"
#include "store/store_services.h"
#include "ui/change_history.h"
#include "ui/file_status.h"

#include <memory>

namespace kedravo::ui {

struct Context {
    Tables& t;
    platform::Toolkit& toolkit;
    platform::Dialogs& dialogs;
    platform::Clock& clock;
    platform::FileSystem& files;
    store::StoreServices store;

    // Held from start-up to shut-down so that no second copy works on the same data folder.
    std::unique_ptr<store::DataFolderLock> dataFolderLock;
    // Set when the process is to end: after MAINFORM_END, or when start-up gave way to another copy.
    bool ended = false;

    // The session's changes for undo and redo; the last one is what the files hold, or are to hold once a save
    // that failed is made good.
    ChangeHistory history;
    UnsavedFiles unsaved;
    // The folders and the backup switch as KANKYO.TXT holds them.
    EnvironmentSettings savedSettings;
};

// An event handler: the control's name, "_", the event (BUTTON3_ON, COMBO1_CHANGE, MAINFORM_END). `window` is
// the window on which the event occurred.
using Handler = void (*)(Context& c, int window);

} // namespace kedravo::ui
