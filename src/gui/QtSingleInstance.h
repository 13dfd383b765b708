#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/FolderLock.h"
#include "platform/Services.h"

class QLocalServer;

namespace vantor {

// One running till per data folder. The claim is the folder's own lock
// (FolderLock), which holds whatever the temporary folder is and is released
// by the system when the process dies, plus a local server named after a hash
// of the folder's canonical path, on which another instance can ask this one
// to come to the front.
class QtSingleInstance : public SingleInstance {
public:
    QtSingleInstance();
    ~QtSingleInstance() override;

    bool Claim(const std::string& dataPath) override;
    void ActivateOther(const std::string& dataPath) override;

    // Runs (in the GUI thread) when another instance asks for the front.
    std::function<void()> onActivateRequest;

    // The name of the server for a data folder.
    static QString KeyFor(const std::string& dataPath);

private:
    void Listen(const QString& key);
    void OnConnection();

    std::unique_ptr<FolderLock> lock_;
    std::unique_ptr<QLocalServer> server_;
};

// The absolute path with symbolic links resolved as far as the path exists.
QString CanonicalPath(const QString& path);

}  // namespace vantor
