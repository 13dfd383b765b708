#include "platform/cups/CupsRaw.h"

#include <cups/cups.h>

#include <algorithm>
#include <cctype>
#include <thread>

#include "platform/PageDevice.h"

namespace vantor::cups {

namespace {

bool SaysRaw(const char* makeAndModel) {
    if (makeAndModel == nullptr) {
        return false;
    }
    std::string model(makeAndModel);
    std::transform(model.begin(), model.end(), model.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return model == "local raw printer" || model.find("raw") != std::string::npos;
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

// The job's state, or 0 when CUPS no longer knows it.
int JobState(const std::string& queue, int id) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
    int state = 0;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id == id) {
            state = jobs[i].state;
        }
    }
    cupsFreeJobs(count, jobs);
    return state;
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
        const int state = JobState(queue, job);
        if (state == IPP_JSTATE_COMPLETED || state == 0) {
            return;
        }
        if (state == IPP_JSTATE_STOPPED || state == IPP_JSTATE_CANCELED ||
            state == IPP_JSTATE_ABORTED || std::chrono::steady_clock::now() >= deadline) {
            const std::string why = PrinterMessage(queue);
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
