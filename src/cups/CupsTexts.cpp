#include "cups/CupsTexts.h"

#include <cups/ipp.h>

#include <cstdio>

namespace vantor::cups {

namespace {

template <class Key>
struct Words {
    Key key;
    const char* text;
};

const Words<int> kStatuses[] = {
    {IPP_STATUS_ERROR_BAD_REQUEST, "CUPS a refusé la demande"},
    {IPP_STATUS_ERROR_FORBIDDEN, "CUPS refuse l'accès à cette imprimante"},
    {IPP_STATUS_ERROR_NOT_AUTHENTICATED, "CUPS demande une identification"},
    {IPP_STATUS_ERROR_NOT_AUTHORIZED, "CUPS n'autorise pas cet utilisateur à imprimer"},
    {IPP_STATUS_ERROR_NOT_POSSIBLE, "CUPS ne peut pas faire imprimer ce document"},
    {IPP_STATUS_ERROR_TIMEOUT, "CUPS a attendu le document trop longtemps"},
    {IPP_STATUS_ERROR_NOT_FOUND, "cette imprimante n'existe pas dans CUPS"},
    {IPP_STATUS_ERROR_GONE, "cette imprimante n'existe plus dans CUPS"},
    {IPP_STATUS_ERROR_REQUEST_ENTITY, "le document est trop grand pour CUPS"},
    {IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED, "CUPS ne prend pas ce format de document"},
    {IPP_STATUS_ERROR_INTERNAL, "erreur interne de CUPS"},
    {IPP_STATUS_ERROR_OPERATION_NOT_SUPPORTED, "CUPS ne connaît pas cette opération"},
    {IPP_STATUS_ERROR_SERVICE_UNAVAILABLE, "le service d'impression (CUPS) ne répond pas"},
    {IPP_STATUS_ERROR_DEVICE, "l'imprimante signale une erreur"},
    {IPP_STATUS_ERROR_TEMPORARY, "CUPS est momentanément indisponible"},
    {IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS, "CUPS refuse les documents pour cette imprimante"},
    {IPP_STATUS_ERROR_BUSY, "CUPS est occupé"},
    {IPP_STATUS_ERROR_JOB_CANCELED, "le document a été annulé"},
    {IPP_STATUS_ERROR_PRINTER_IS_DEACTIVATED, "l'imprimante est désactivée dans CUPS"},
    {IPP_STATUS_ERROR_TOO_MANY_JOBS, "trop de documents en attente dans CUPS"},
    {IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED,
     "l'identification auprès de CUPS a été annulée"},
    {IPP_STATUS_ERROR_CUPS_PKI, "la connexion chiffrée avec CUPS a échoué"},
    {IPP_STATUS_ERROR_CUPS_UPGRADE_REQUIRED, "CUPS exige une connexion chiffrée"},
};

// Keywords as RFC 8011 and CUPS name them, without their -report, -warning or -error.
const Words<std::string_view> kReasons[] = {
    {"media-empty", "plus de papier"},
    {"media-needed", "plus de papier"},
    {"media-low", "bientôt plus de papier"},
    {"media-jam", "papier coincé"},
    {"cover-open", "capot ouvert"},
    {"door-open", "capot ouvert"},
    {"interlock-open", "capot ouvert"},
    {"input-tray-missing", "bac à papier absent"},
    {"output-area-full", "bac de sortie plein"},
    {"output-tray-missing", "bac de sortie absent"},
    {"marker-supply-empty", "plus d'encre"},
    {"toner-empty", "plus d'encre"},
    {"offline", "l'imprimante est hors ligne"},
    {"shutdown", "l'imprimante est éteinte"},
    {"timed-out", "l'imprimante ne répond pas"},
    {"connecting-to-device", "connexion à l'imprimante impossible"},
    {"paused", "l'imprimante est arrêtée dans CUPS"},
    {"moving-to-paused", "l'imprimante est en cours d'arrêt dans CUPS"},
    {"stopped-partly", "l'imprimante est en partie arrêtée"},
    {"spool-area-full", "le disque de CUPS est plein"},
    {"cups-missing-filter", "il manque à CUPS un filtre pour cette imprimante"},
    {"cups-insecure-filter", "CUPS refuse un filtre mal protégé"},
    {"cups-waiting-for-job-completed", "l'imprimante ne confirme pas la fin de l'impression"},
};

const Words<std::string_view> kBackendMessages[] = {
    {"The printer is not responding.", "l'imprimante ne répond pas"},
    {"The printer did not respond.", "l'imprimante n'a pas répondu"},
    {"The printer may not exist or is unavailable at this time.",
     "l'imprimante est introuvable ou indisponible"},
    {"The printer is unreachable at this time.", "l'imprimante est injoignable"},
    {"The printer is not connected.", "l'imprimante n'est pas branchée"},
    {"The printer is in use.", "l'imprimante est occupée"},
    {"Waiting for printer to finish.", "l'imprimante ne confirme pas la fin de l'impression"},
    {"Waiting for printer to become available.", "l'imprimante n'est pas disponible"},
    {"Waiting for job to complete.", "l'imprimante ne confirme pas la fin de l'impression"},
    {"Unable to locate printer.", "l'imprimante est introuvable"},
    {"Connecting to printer.", "connexion à l'imprimante en cours"},
    {"Unable to send data to printer.", "envoi impossible vers l'imprimante"},
    {"There was an unrecoverable USB error.", "erreur USB : débranchez et rebranchez l'imprimante"},
    {"Unable to contact printer, queuing on next printer in class.",
     "l'imprimante ne répond pas, le document passe à la suivante du groupe"},
    {"The printer configuration is incorrect or the printer no longer exists.",
     "l'imprimante est mal réglée dans CUPS ou n'existe plus"},
    {"Print job was not accepted.", "l'imprimante a refusé le document"},
    {"Printer cannot print supplied content.", "l'imprimante ne sait pas imprimer ce document"},
    {"Print job canceled at printer.", "le document a été annulé sur l'imprimante"},
    {"Filter failed", "un filtre de CUPS a échoué"},
    {"Backend failed", "la liaison de CUPS avec l'imprimante a échoué"},
    {"Paused", "l'imprimante est arrêtée dans CUPS"},
};

// Messages with a name or a number in them, known by their start.
const Words<std::string_view> kBackendMessageStarts[] = {
    {"Unable to locate printer \"", "l'imprimante est introuvable"},
    {"Network host \"", "l'imprimante réseau est occupée"},
};

std::string_view WithoutWeight(std::string_view keyword) {
    for (std::string_view weight : {"-report", "-warning", "-error"}) {
        if (keyword.ends_with(weight)) {
            return keyword.substr(0, keyword.size() - weight.size());
        }
    }
    return keyword;
}

}  // namespace

std::string StatusText(int status) {
    for (const auto& row : kStatuses) {
        if (row.key == status) {
            return row.text;
        }
    }
    char number[8];
    std::snprintf(number, sizeof number, "%04X", static_cast<unsigned>(status) & 0xFFFF);
    return std::string("erreur CUPS n° ") + number;
}

std::string StateReasonText(std::string_view keyword) {
    const std::string_view bare = WithoutWeight(keyword);
    for (const auto& row : kReasons) {
        if (row.key == bare) {
            return row.text;
        }
    }
    return "";
}

std::string BackendMessageText(std::string_view message) {
    for (const auto& row : kBackendMessages) {
        if (row.key == message) {
            return row.text;
        }
    }
    for (const auto& row : kBackendMessageStarts) {
        if (message.starts_with(row.key)) {
            return row.text;
        }
    }
    return "";
}

std::string PrinterTrouble(const std::vector<std::string>& reasons, std::string_view message) {
    for (const std::string& reason : reasons) {
        if (std::string text = StateReasonText(reason); !text.empty()) {
            return text;
        }
    }
    if (std::string text = BackendMessageText(message); !text.empty()) {
        return text;
    }
    return message.empty() ? "" : "l'imprimante signale « " + std::string(message) + " »";
}

}  // namespace vantor::cups
