#include "cups/CupsRaw.h"

#include <cups/cups.h>

#include <cctype>
#include <thread>

#include "cups/CupsTexts.h"

namespace vantor::cups {

namespace {

// "raw" as a word of the make and model ("Local Raw Printer", "Raw Queue"),
// not inside another word ("Drawing").
bool SaysRaw(const char* makeAndModel) {
    if (makeAndModel == nullptr) {
        return false;
    }
    std::string word;
    for (const char* c = makeAndModel;; ++c) {
        if (*c != '\0' && std::isalnum(static_cast<unsigned char>(*c))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
            continue;
        }
        if (word == "raw") {
            return true;
        }
        word.clear();
        if (*c == '\0') {
            return false;
        }
    }
}

std::string Reason(const std::string& queue, const std::string& why) {
    return "L'imprimante \"" + queue + "\" n'a pas pu imprimer le document : " + why + ".";
}

std::string Text(ipp_t* response, const char* name) {
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    const char* text = attribute != nullptr ? ippGetString(attribute, 0, nullptr) : nullptr;
    return text != nullptr ? text : "";
}

std::vector<std::string> Keywords(ipp_t* response, const char* name) {
    std::vector<std::string> keywords;
    if (ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_KEYWORD)) {
        for (int i = 0; i < ippGetCount(attribute); ++i) {
            keywords.emplace_back(ippGetString(attribute, i, nullptr));
        }
    }
    return keywords;
}

// What CUPS says of a queue now. A queue it does not know is not found;
// a CUPS that cannot be asked (stopped, its socket gone) throws PrintError.
struct QueueState {
    bool found = false;
    bool raw = false;
    int state = IPP_PSTATE_IDLE;
    bool accepting = true;
    std::vector<std::string> reasons;
    std::string message;
    std::string Trouble() const { return PrinterTrouble(reasons, message); }
};

QueueState AskQueue(const std::string& queue) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", queue.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const kWanted[] = {"printer-make-and-model", "printer-state",
                                          "printer-state-reasons", "printer-state-message",
                                          "printer-is-accepting-jobs"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 5, nullptr,
                  kWanted);
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    const ipp_status_t status = cupsLastError();
    QueueState queueState;
    if (response != nullptr && status == IPP_STATUS_OK) {
        queueState.found = true;
        queueState.raw = SaysRaw(Text(response, "printer-make-and-model").c_str());
        if (ipp_attribute_t* state = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM)) {
            queueState.state = ippGetInteger(state, 0);
        }
        if (ipp_attribute_t* accepting =
                ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN)) {
            queueState.accepting = ippGetBoolean(accepting, 0) != 0;
        }
        queueState.reasons = Keywords(response, "printer-state-reasons");
        queueState.message = Text(response, "printer-state-message");
    }
    ippDelete(response);
    if (status != IPP_STATUS_OK && status != IPP_STATUS_ERROR_NOT_FOUND &&
        status != IPP_STATUS_ERROR_BAD_REQUEST) {
        throw PrintError(Reason(queue, StatusText(status)));
    }
    return queueState;
}

// A job can be handed to the queue now: it exists, is not stopped (a stopped
// queue would keep the job and print it whenever it starts again) and takes
// jobs. Throws PrintError with the reason.
void CheckReady(const std::string& queue) {
    const QueueState state = AskQueue(queue);
    if (!state.found) {
        throw PrintError(Reason(queue, StatusText(IPP_STATUS_ERROR_NOT_FOUND)));
    }
    if (state.state == IPP_PSTATE_STOPPED) {
        // The note of whoever stopped it ("cupsdisable -r"), when there is one.
        const bool note = !state.message.empty() && BackendMessageText(state.message).empty();
        throw PrintError(Reason(
            queue, "l'imprimante est arrêtée dans CUPS" +
                       (note ? " (« " + state.message + " »)" : std::string()) +
                       " ; remettez-la en marche dans les réglages d'impression de l'ordinateur"));
    }
    if (!state.accepting) {
        throw PrintError(Reason(queue, StatusText(IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)));
    }
}

// The job's state (0 when CUPS no longer knows it) and the printer's message
// while it handled the job, asked for that one job: the queue's whole history
// can hold hundreds of finished jobs.
struct JobStatus {
    int state = 0;
    std::string message;
};

JobStatus StatusOfJob(int id) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/jobs/%d", id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    static const char* const kWanted[] = {"job-state", "job-printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                  kWanted);
    JobStatus status;
    if (ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/")) {
        if (ipp_attribute_t* state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM)) {
            status.state = ippGetInteger(state, 0);
        }
        status.message = Text(response, "job-printer-state-message");
        ippDelete(response);
    }
    return status;
}

void Submit(const std::string& queue, int job, const std::string& bytes) {
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, "Vantor", CUPS_FORMAT_RAW, 1) !=
            HTTP_STATUS_CONTINUE ||
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.data(), bytes.size()) !=
            HTTP_STATUS_CONTINUE ||
        cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()) != IPP_STATUS_OK) {
        const std::string why = StatusText(cupsLastError());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
        throw PrintError(Reason(queue, why));
    }
}

// Why a job that did not reach the printer failed: what the job and then
// the queue say of it, in French.
std::string Trouble(const std::string& queue, const JobStatus& status) {
    std::string trouble = PrinterTrouble({}, status.message);
    if (trouble.empty()) {
        try {
            trouble = AskQueue(queue).Trouble();
        } catch (const PrintError&) {
            trouble = StatusText(IPP_STATUS_ERROR_SERVICE_UNAVAILABLE);
        }
    }
    return trouble;
}

}  // namespace

void WaitUntilPassedOn(const std::string& queue, int job, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (true) {
        const JobStatus status = StatusOfJob(job);
        if (status.state == IPP_JSTATE_COMPLETED || status.state == 0) {
            return;
        }
        const bool failed = status.state == IPP_JSTATE_STOPPED ||
                            status.state == IPP_JSTATE_CANCELED ||
                            status.state == IPP_JSTATE_ABORTED;
        if (failed || std::chrono::steady_clock::now() >= deadline) {
            const std::string trouble = Trouble(queue, status);
            cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
            if (failed) {
                throw PrintError(
                    Reason(queue, trouble.empty() ? "l'impression a échoué" : trouble));
            }
            const std::string silent = "l'imprimante ne répond pas";
            throw NotPassedOn(Reason(
                queue, silent + (trouble.empty() || trouble == silent ? "" : " (" + trouble + ")") +
                           " ; vérifiez qu'elle est allumée, reliée et qu'elle a du papier"));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::vector<std::string> RawQueues() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        if (dests[i].instance == nullptr &&
            SaysRaw(
                cupsGetOption("printer-make-and-model", dests[i].num_options, dests[i].options))) {
            names.emplace_back(dests[i].name);
        }
    }
    cupsFreeDests(count, dests);
    return names;
}

bool IsRawQueue(const std::string& name) {
    const QueueState state = AskQueue(name);
    return state.found && state.raw;
}

int SubmitRaw(const std::string& queue, const std::string& bytes) {
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), "Vantor", 0, nullptr);
    if (job == 0) {
        throw PrintError(Reason(queue, StatusText(cupsLastError())));
    }
    Submit(queue, job, bytes);
    return job;
}

void PrintRaw(const std::string& queue, const std::string& bytes, std::chrono::milliseconds wait) {
    CheckReady(queue);
    WaitUntilPassedOn(queue, SubmitRaw(queue, bytes), wait);
}

}  // namespace vantor::cups
