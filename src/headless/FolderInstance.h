#pragma once

#include <memory>

#include "platform/FolderLock.h"
#include "platform/Services.h"

namespace vantor {

// One running till per data folder, held by the folder's own lock alone: the
// builds without a window have no window to bring to the front.
class FolderInstance : public SingleInstance {
public:
    // A folder that cannot carry a lock (read-only, a file system without
    // locks) does not keep the till from starting.
    bool Claim(const std::string& dataPath) override;
    void ActivateOther(const std::string&) override {}

private:
    std::unique_ptr<FolderLock> lock_;
};

}  // namespace vantor
