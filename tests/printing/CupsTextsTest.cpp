// CUPS's answers as the user reads them: each status, state reason and
// backend message in French, from one table each.
#include <gtest/gtest.h>

#include <cups/cups.h>

#include "cups/CupsTexts.h"

namespace vantor::cups {
namespace {

TEST(CupsTexts, EachStatusHasFrenchWordsOrItsNumber) {
    const struct {
        int status;
        const char* text;
    } rows[] = {
        {IPP_STATUS_ERROR_SERVICE_UNAVAILABLE, "le service d'impression (CUPS) ne répond pas"},
        {IPP_STATUS_ERROR_NOT_FOUND, "cette imprimante n'existe pas dans CUPS"},
        {IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS, "CUPS refuse les documents pour cette imprimante"},
        {IPP_STATUS_ERROR_FORBIDDEN, "CUPS refuse l'accès à cette imprimante"},
        {IPP_STATUS_ERROR_NOT_AUTHORIZED, "CUPS n'autorise pas cet utilisateur à imprimer"},
        {IPP_STATUS_ERROR_INTERNAL, "erreur interne de CUPS"},
        {IPP_STATUS_ERROR_CUPS_PKI, "la connexion chiffrée avec CUPS a échoué"},
        {IPP_STATUS_ERROR_URI_SCHEME, "erreur CUPS n° 040C"},
        {0x0777, "erreur CUPS n° 0777"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(StatusText(row.status), row.text) << std::hex << row.status;
    }
    // No error status is ever shown as CUPS words it.
    for (int status = IPP_STATUS_ERROR_BAD_REQUEST; status <= 0x0520; ++status) {
        EXPECT_NE(StatusText(status), ippErrorString(static_cast<ipp_status_t>(status)));
    }
}

TEST(CupsTexts, StateReasonsWhateverTheirWeight) {
    const struct {
        const char* keyword;
        const char* text;
    } rows[] = {
        {"media-empty-error", "plus de papier"},
        {"media-empty-warning", "plus de papier"},
        {"media-needed", "plus de papier"},
        {"media-jam-error", "papier coincé"},
        {"cover-open-report", "capot ouvert"},
        {"offline-report", "l'imprimante est hors ligne"},
        {"paused", "l'imprimante est arrêtée dans CUPS"},
        {"connecting-to-device", "connexion à l'imprimante impossible"},
        {"timed-out", "l'imprimante ne répond pas"},
        {"cups-waiting-for-job-completed", "l'imprimante ne confirme pas la fin de l'impression"},
        {"cups-missing-filter-warning", "il manque à CUPS un filtre pour cette imprimante"},
        {"none", ""},
        {"other", ""},
        {"com.vendor-private-error", ""},
        {"media", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(StateReasonText(row.keyword), row.text) << row.keyword;
    }
}

TEST(CupsTexts, TheBackendsMessages) {
    const struct {
        const char* message;
        const char* text;
    } rows[] = {
        {"The printer is not responding.", "l'imprimante ne répond pas"},
        {"The printer may not exist or is unavailable at this time.",
         "l'imprimante est introuvable ou indisponible"},
        {"Waiting for printer to finish.", "l'imprimante ne confirme pas la fin de l'impression"},
        {"The printer is not connected.", "l'imprimante n'est pas branchée"},
        {"Unable to locate printer \"ticket80.local\".", "l'imprimante est introuvable"},
        {"Network host \"192.168.1.50\" is busy; will retry in 10 seconds.",
         "l'imprimante réseau est occupée"},
        {"Filter failed", "un filtre de CUPS a échoué"},
        {"The printer is not responding", ""},  // not quite theirs
        {"Papier presque fini", ""},
        {"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(BackendMessageText(row.message), row.text) << row.message;
    }
}

// The reasons first (they are keywords), then CUPS's message, then a
// driver's own words, quoted.
TEST(CupsTexts, APrintersTroubleInOneSentence) {
    const struct {
        std::vector<std::string> reasons;
        const char* message;
        const char* text;
    } rows[] = {
        {{"none"}, "", ""},
        {{"none"},
         "Waiting for printer to finish.",
         "l'imprimante ne confirme pas la fin de l'impression"},
        {{"other", "media-empty-error"}, "Waiting for printer to finish.", "plus de papier"},
        {{"com.vendor-head-hot"}, "Tête trop chaude", "l'imprimante signale « Tête trop chaude »"},
        {{}, "Out of paper!", "l'imprimante signale « Out of paper! »"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PrinterTrouble(row.reasons, row.message), row.text) << row.message;
    }
}

}  // namespace
}  // namespace vantor::cups
