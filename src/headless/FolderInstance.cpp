#include "headless/FolderInstance.h"

namespace vantor {

bool FolderInstance::Claim(const std::string& dataPath) {
    std::unique_ptr<FolderLock> lock;
    if (FolderLock::TryLock(dataPath, lock) == FolderLock::Result::Busy) {
        return false;
    }
    lock_ = std::move(lock);
    return true;
}

}  // namespace vantor
