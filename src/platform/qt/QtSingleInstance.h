#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/Services.h"

class QLocalServer;
class QLockFile;

namespace vantor {

// One running till per data folder. The claim is a lock file in the temporary
// folder named after a hash of the folder's canonical path (a lock left by a
// process that died is taken over), plus a local server of the same name on
// which another instance can ask this one to come to the front. Nothing is
// written into the data folder.
class QtSingleInstance : public SingleInstance {
public:
    QtSingleInstance();
    ~QtSingleInstance() override;

    bool Claim(const std::string& dataPath) override;
    void ActivateOther(const std::string& dataPath) override;

    // Runs (in the GUI thread) when another instance asks for the front.
    std::function<void()> onActivateRequest;

    // The name of the lock and of the server for a data folder.
    static QString KeyFor(const std::string& dataPath);

private:
    void Listen(const QString& key);
    void OnConnection();

    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

// The absolute path with symbolic links resolved as far as the path exists.
QString CanonicalPath(const QString& path);

}  // namespace vantor
