#pragma once
// What the store needs from the platform, handed to every routine that reads or writes a file.
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/toolkit.h"
#include "store/known_contents.h"

namespace kedravo::store {

struct StoreServices {
    platform::FileSystem& files;
    platform::Clock& clock;
    platform::Warner& warner;
    KnownContents known{};
};

// Window positions go in and out of the environment file through this; window ids 0..5 are MAINFORM, FORM2 ..
// FORM6 in that order.
class WindowPositions {
public:
    virtual ~WindowPositions() = default;
    virtual platform::Position get(int window) = 0;
    virtual void move(int window, platform::Position position) = 0;
};

} // namespace kedravo::store
