#include "store/data_files.h"

namespace kedravo::store {
namespace {

// Hidden, so that it does not sit among the user's files in a folder listing.
constexpr char LOCK_FILE[] = ".kedravo.lock";

class HeldDataFolder : public DataFolderLock {
public:
    explicit HeldDataFolder(std::unique_ptr<platform::FileLock> lock) : lock_(std::move(lock)) {}

private:
    std::unique_ptr<platform::FileLock> lock_;
};

} // namespace

std::unique_ptr<DataFolderLock> lockDataFolder(StoreServices& s, const std::string& dataDir) {
    platform::LockAttempt attempt = s.files.tryLock(dataDir + LOCK_FILE);
    if (attempt.error == platform::IoError::Busy)
        return nullptr;
    // Where no lock file can be made, no copy can write the data files either, so none can overwrite the
    // other's; the saves at exit then go to emergency copies under names of their own.
    return std::make_unique<HeldDataFolder>(std::move(attempt.lock));
}

} // namespace kedravo::store
