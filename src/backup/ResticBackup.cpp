#include "backup/ResticBackup.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "backup/BackupCheck.h"
#include "backup/ResticRun.h"
#include "data/TextFile.h"

namespace vantor {

namespace {

using Json = nlohmann::json;

// Every snapshot the till makes carries this tag, and its dated name.
constexpr const char* kResticTag = "vantor";

std::string RepositoryOf(const std::string& destination) {
    return destination.substr(std::string(kResticPrefix).size());
}

BackupResult NotVerified(BackupResult result, const ResticReply& reply) {
    result.verified = false;
    result.problem = reply.problem;
    result.unusable = reply.unusable;
    return result;
}

// The id of the snapshot `restic backup --json` made: its summary line.
std::string NewSnapshotId(const std::string& out) {
    std::size_t start = 0;
    std::string id;
    while (start < out.size()) {
        const std::size_t end = std::min(out.find('\n', start), out.size());
        const Json line = Json::parse(out.substr(start, end - start), nullptr, false);
        if (line.is_object() && line.value("message_type", "") == "summary") {
            id = line.value("snapshot_id", "");
        }
        start = end + 1;
    }
    return id;
}

// The snapshot restored into a backups folder of a scratch folder, as a
// folder backup of that name would be: "" or restic's problem.
// The password is restic's own variables' when passwordFile is "".
std::string BringOut(Programs& programs, const std::string& repository, const std::string& id,
                     const std::string& folder, const std::string& passwordFile) {
    const ResticReply restored =
        RunRestic(programs, repository, "restore", {id, "--target", folder}, "", passwordFile);
    return restored.ok ? "" : restored.problem;
}

}  // namespace

bool IsResticDestination(const std::string& destination) {
    return destination.starts_with(kResticPrefix);
}

BackupResult BackupToRestic(const std::string& dataPath, const std::string& destination,
                            const DateTime& now, Programs& programs, const std::string& password) {
    const std::string repository = RepositoryOf(destination);
    BackupResult result;
    result.destination = destination;
    ScratchFolder staging("copie");
    ScratchFolder readBack("relecture");
    // restic reads a password given here from a file of its own, gone with the folder.
    std::optional<ScratchFolder> secret;
    std::string passwordFile;
    if (!password.empty()) {
        secret.emplace("acces");
        passwordFile = secret->Path().empty() ? "" : secret->WritePrivate("mot-de-passe", password);
    }
    if (staging.Path().empty() || readBack.Path().empty() ||
        (!password.empty() && passwordFile.empty())) {
        result.problem = "Sauvegarde impossible sur " + destination +
                         " : pas de dossier temporaire pour la copie";
        return result;
    }
    // The consistent copy, its manifest and its check, as for a folder.
    const BackupResult copy = BackupToFolder(dataPath, staging.Path(), now);
    if (!copy.verified) {
        result.problem = copy.problem;
        return result;
    }
    result.files = copy.files;
    result.bytes = copy.bytes;
    const std::string name = copy.name;
    // A restic killed with the till leaves its lock, which the next backup
    // or check refuses to share; unlock removes only those whose process is
    // gone.
    RunRestic(programs, repository, "unlock", {}, "", passwordFile);
    const ResticReply backup =
        RunRestic(programs, repository, "backup",
                  {"--json", "--tag", kResticTag, "--tag", name, "."}, copy.path, passwordFile);
    if (!backup.ok) {
        return NotVerified(result, backup);
    }
    result.name = NewSnapshotId(backup.out);
    if (result.name.empty()) {
        result.problem = "restic n'a pas dit quel instantané il a fait dans " + repository;
        return result;
    }
    if (const ResticReply check = RunRestic(programs, repository, "check", {}, "", passwordFile);
        !check.ok) {
        return NotVerified(result, check);
    }
    const std::string back = JoinPath(readBack.Path(), name);
    if (std::string problem = BringOut(programs, repository, result.name, back, passwordFile);
        !problem.empty()) {
        result.problem = "Sauvegarde non vérifiée sur " + destination + " : " + problem;
        return result;
    }
    if (const BackupCheck check = CheckBackupFolder(back); !check.intact) {
        result.problem = "Sauvegarde non vérifiée sur " + destination + " : " + check.problem;
        return result;
    }
    result.path = destination + " instantané " + result.name;
    result.verified = true;
    return result;
}

ResticSnapshots ListResticBackups(const std::string& destination, Programs& programs) {
    ResticSnapshots list;
    const std::string repository = RepositoryOf(destination);
    const ResticReply reply =
        RunRestic(programs, repository, "snapshots", {"--json", "--tag", kResticTag});
    if (!reply.ok) {
        list.problem = reply.problem;
        return list;
    }
    const Json snapshots = Json::parse(reply.out, nullptr, false);
    if (!snapshots.is_array()) {
        list.problem = "restic snapshots a répondu autre chose qu'une liste pour " + repository;
        return list;
    }
    for (const Json& snapshot : snapshots) {
        ResticSnapshot one{snapshot.value("short_id", ""), "", snapshot.value("time", "")};
        for (const Json& tag : snapshot.value("tags", Json::array())) {
            if (tag.is_string() && tag.get<std::string>() != kResticTag) {
                one.name = tag.get<std::string>();
            }
        }
        list.snapshots.push_back(one);
    }
    return list;
}

RestoreResult RestoreFromRestic(const RestoreRequest& request, const DateTime& now,
                                Programs& programs) {
    RestoreResult result;
    const ResticSnapshots list = ListResticBackups(request.source, programs);
    if (!list.problem.empty()) {
        result.problem = list.problem;
        result.unusable = true;
        return result;
    }
    if (list.snapshots.empty()) {
        result.problem = "Aucune sauvegarde dans " + request.source;
        return result;
    }
    const ResticSnapshot* chosen = &list.snapshots.back();
    if (request.backup) {
        chosen = nullptr;
        for (const ResticSnapshot& snapshot : list.snapshots) {
            if (snapshot.id.starts_with(*request.backup) || snapshot.name == *request.backup) {
                chosen = &snapshot;
            }
        }
        if (chosen == nullptr || request.backup->empty()) {
            result.problem = "Sauvegarde introuvable : " + *request.backup +
                             " (la plus récente est " + list.snapshots.back().id + ")";
            return result;
        }
    }
    ScratchFolder scratch("restauration");
    const std::string name = chosen->name.empty() ? chosen->id : chosen->name;
    const std::string folder = JoinPath(JoinPath(scratch.Path(), kBackupsFolder), name);
    const std::string problem =
        BringOut(programs, RepositoryOf(request.source), chosen->id, folder, "");
    if (!problem.empty() && !request.anyway) {
        result.backup = chosen->id;
        result.problem = "Sauvegarde " + chosen->id + " refusée : " + problem +
                         " (--malgre-tout la restaure quand même)";
        return result;
    }
    RestoreRequest local = request;
    local.source = scratch.Path();
    local.backup = name;
    local.shownSource = request.source + " (instantané " + chosen->id + ")";
    result = RestoreBackup(local, now);
    if (!problem.empty() && result.restoredAnyway.empty()) {
        result.restoredAnyway = problem;
    }
    return result;
}

}  // namespace vantor
