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
        Paper(), [deviceName](const std::string& bytes) { cups::PrintRaw(deviceName, bytes); });
}

bool CupsPrinters::OpenDrawer(const std::string& deviceName) {
    if (!cups::IsRawQueue(deviceName)) {
        return false;
    }
    cups::PrintRaw(deviceName, escpos::DrawerPulse(Paper().drawerPin));
    return true;
}

}  // namespace vantor
