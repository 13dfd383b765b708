#include "cups/CupsPrinters.h"

#include "cups/CupsRaw.h"
#include "printing/EscPos.h"
#include "printing/EscPosDevice.h"

namespace vantor {

std::vector<std::string> CupsPrinters::List() const {
    return cups::RawQueues();
}

std::string CupsPrinters::DefaultName() const {
    const std::vector<std::string> queues = cups::RawQueues();
    return queues.empty() ? std::string() : queues.front();
}

std::unique_ptr<PageDevice> CupsPrinters::Open(const std::string& deviceName) {
    if (!cups::IsRawQueue(deviceName)) {
        return Printers::Open(deviceName);
    }
    return std::make_unique<EscPosDevice>(
        Paper(), [this, deviceName](const std::string& bytes) { Send(deviceName, bytes, kWait); });
}

bool CupsPrinters::OpenDrawer(const std::string& deviceName) {
    if (!cups::IsRawQueue(deviceName)) {
        return false;
    }
    Send(deviceName, escpos::DrawerPulse(Paper().drawerPin),
         silent_.count(deviceName) != 0 ? kDrawerWaitAfterSilence : kWait);
    return true;
}

void CupsPrinters::Send(const std::string& queue, const std::string& bytes,
                        std::chrono::milliseconds wait) {
    try {
        cups::PrintRaw(queue, bytes, wait);
    } catch (const cups::NotPassedOn&) {
        silent_.insert(queue);
        throw;
    }
    silent_.erase(queue);
}

}  // namespace vantor
