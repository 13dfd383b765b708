#include "cups/CupsRaw.h"

#include <cups/cups.h>

#include <cctype>
#include <thread>

#include "platform/PageDevice.h"

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
    return "L'imprimante \"" + queue + "\" n'a pas pu imprimer le document : " + why;
}

// The printer's own account of its trouble, or CUPS's last error.
std::string PrinterMessage(const std::string& queue) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    std::string message;
    if (dest != nullptr) {
        const char* text = cupsGetOption("printer-state-message", dest->num_options, dest->options);
        message = text != nullptr ? text : "";
        cupsFreeDests(1, dest);
    }
    return message.empty() ? "l'imprimante ne répond pas." : message;
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
        if (ipp_attribute_t* message =
                ippFindAttribute(response, "job-printer-state-message", IPP_TAG_TEXT)) {
            const char* text = ippGetString(message, 0, nullptr);
            status.message = text != nullptr ? text : "";
        }
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
        const std::string why = cupsLastErrorString();
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
        throw PrintError(Reason(queue, why));
    }
}

}  // namespace

void WaitUntilPassedOn(const std::string& queue, int job, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (true) {
        const JobStatus status = StatusOfJob(job);
        if (status.state == IPP_JSTATE_COMPLETED || status.state == 0) {
            return;
        }
        if (status.state == IPP_JSTATE_STOPPED || status.state == IPP_JSTATE_CANCELED ||
            status.state == IPP_JSTATE_ABORTED || std::chrono::steady_clock::now() >= deadline) {
            const std::string why = status.message.empty() ? PrinterMessage(queue) : status.message;
            cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
            throw PrintError(Reason(queue, why));
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
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (dest == nullptr) {
        return false;
    }
    const bool raw =
        SaysRaw(cupsGetOption("printer-make-and-model", dest->num_options, dest->options));
    cupsFreeDests(1, dest);
    return raw;
}

int SubmitRaw(const std::string& queue, const std::string& bytes) {
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), "Vantor", 0, nullptr);
    if (job == 0) {
        throw PrintError(Reason(queue, cupsLastErrorString()));
    }
    Submit(queue, job, bytes);
    return job;
}

void PrintRaw(const std::string& queue, const std::string& bytes, std::chrono::milliseconds wait) {
    WaitUntilPassedOn(queue, SubmitRaw(queue, bytes), wait);
}

}  // namespace vantor::cups
