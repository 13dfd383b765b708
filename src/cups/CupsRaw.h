#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/PageDevice.h"

namespace vantor::cups {

// The CUPS queues without a driver ("raw" queues, made with lpadmin -m raw):
// the bytes of a job reach the printer as they are, which is how the till
// speaks ESC/POS to a receipt printer. A queue is raw when its make and model
// is "Local Raw Printer" or has the word "raw". IsRawQueue throws PrintError
// when CUPS cannot be asked (stopped): whether the queue has a drawer is then
// not known. The reasons are in French (CupsTexts.h).
std::vector<std::string> RawQueues();
bool IsRawQueue(const std::string& name);

// A job still waiting when the time was up: the printer is off, unplugged,
// unreachable, or does not confirm the end of the printing.
class NotPassedOn : public PrintError {
public:
    using PrintError::PrintError;
};

// Sends the bytes as one raw job, then waits until the queue has passed them
// on to the printer. A queue that is missing, stopped or refusing jobs throws
// PrintError at once, sending nothing; a job refused by CUPS, stopped, or
// still waiting when the time is up (NotPassedOn) is cancelled, so that
// nothing comes out later, and throws PrintError with the reason.
void PrintRaw(const std::string& queue, const std::string& bytes,
              std::chrono::milliseconds wait = std::chrono::seconds(10));

// The two halves of PrintRaw: the job handed to CUPS (its number), and the
// wait until CUPS has passed it on.
int SubmitRaw(const std::string& queue, const std::string& bytes);
void WaitUntilPassedOn(const std::string& queue, int job, std::chrono::milliseconds wait);

}  // namespace vantor::cups
