#include "backup/BackupCheck.h"

#include <set>

#include "backup/FileCopy.h"
#include "backup/Snapshot.h"
#include "data/SystemErrors.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/Verify.h"

namespace vantor {

namespace {

BackupCheck Refused(std::string problem, Manifest manifest = {}) {
    return {false, std::move(problem), std::move(manifest)};
}

// The first file that is not as the manifest says, in French; "" when all are.
std::string FirstFileProblem(const std::string& folder, const Manifest& manifest) {
    for (const ManifestFile& file : manifest.files) {
        std::uint64_t size = 0;
        std::string sha256;
        if (const int error = HashFile(JoinPath(folder, file.name), size, sha256); error != 0) {
            return file.name + " illisible : " + SystemErrorText(error);
        }
        if (size != file.size) {
            return file.name + " a " + std::to_string(size) + " octets, le manifeste en annonce " +
                   std::to_string(file.size);
        }
        if (sha256 != file.sha256) {
            return file.name + " ne correspond plus à son empreinte SHA-256 du manifeste";
        }
    }
    return "";
}

// A file that the manifest does not list: added after the backup was made.
std::string FirstUnlisted(const std::string& folder, const Manifest& manifest) {
    std::set<std::string> listed{kBackupManifestFile};
    for (const ManifestFile& file : manifest.files) {
        listed.insert(file.name);
    }
    for (const SnapshotFile& file : PlanSnapshot(folder)) {
        if (listed.count(file.name) == 0) {
            return file.name + " n'est pas dans le manifeste";
        }
    }
    return "";
}

std::string ChainProblem(const std::string& folder) {
    if (!FileExists(JoinPath(folder, kChainFile))) {
        return FileExists(JoinPath(folder, kJournalFile))
                   ? std::string("le journal n'a pas de ") + kChainFile
                   : "";
    }
    const LedgerCheck check = VerifyLedger(folder);
    if (!check.intact) {
        return check.problem;
    }
    if (check.interrupted) {
        return "écriture interrompue dans la copie : " + InterruptedWhat(*check.interrupted);
    }
    return "";
}

}  // namespace

BackupCheck CheckAgainstManifest(const std::string& folder, const Manifest& manifest) {
    try {
        for (const auto& problem :
             {FirstFileProblem(folder, manifest), FirstUnlisted(folder, manifest)}) {
            if (!problem.empty()) {
                return Refused(problem, manifest);
            }
        }
        if (std::string problem = ChainProblem(folder); !problem.empty()) {
            return Refused(std::move(problem), manifest);
        }
    } catch (const FileError& error) {
        return Refused(error.what(), manifest);
    }
    return {true, "", manifest};
}

BackupCheck CheckBackupFolder(const std::string& folder) {
    const std::string path = JoinPath(folder, kBackupManifestFile);
    if (!FileExists(path)) {
        return Refused(std::string("elle n'a pas de ") + kBackupManifestFile);
    }
    std::string why;
    std::optional<Manifest> manifest;
    try {
        manifest = ParseManifest(ReadLines(path), why);
    } catch (const FileError& error) {
        return Refused(error.what());
    }
    if (!manifest) {
        return Refused(why);
    }
    return CheckAgainstManifest(folder, *manifest);
}

}  // namespace vantor
