#include "headless/HeadlessServices.h"

#include <cerrno>
#include <fstream>

#include "data/SystemErrors.h"
#include "headless/ScriptLine.h"
#include "platform/Paths.h"
#include "printing/EscPos.h"
#include "printing/EscPosDevice.h"

namespace vantor::headless {

std::vector<std::string> ScriptPrinters::List() const {
    std::vector<std::string> names = installed_;
    names.insert(names.end(), escPosNames_.begin(), escPosNames_.end());
    names.push_back(kPdfPrinterName);
    return names;
}

std::string ScriptPrinters::DefaultName() const {
    return List().front();
}

namespace {

// Appends the bytes to the file, or throws PrintError with the system's reason.
void Append(const std::string& printer, const std::string& file, const std::string& bytes) {
    errno = 0;
    std::ofstream out(ToPath(file), std::ios::binary | std::ios::app);
    if (out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
    }
    if (!out) {
        const int error = errno != 0 ? errno : EIO;
        throw PrintError("L'imprimante \"" + printer +
                         "\" ne répond pas : " + SystemErrorText(error));
    }
}

}  // namespace

std::unique_ptr<PageDevice> ScriptPrinters::Open(const std::string& deviceName) {
    const auto escPos = escPosFiles_.find(deviceName);
    if (escPos != escPosFiles_.end()) {
        auto device = std::make_unique<EscPosDevice>(
            Paper(), [deviceName, file = escPos->second](const std::string& bytes) {
                Append(deviceName, file, bytes);
            });
        return std::make_unique<TranscriptPageDevice>(out_, deviceName, std::move(device));
    }
    return std::make_unique<TranscriptPageDevice>(out_, deviceName,
                                                  pdf_ ? pdf_(deviceName) : nullptr);
}

bool ScriptPrinters::OpenDrawer(const std::string& deviceName) {
    const auto escPos = escPosFiles_.find(deviceName);
    if (escPos == escPosFiles_.end()) {
        return false;
    }
    Append(deviceName, escPos->second, escpos::DrawerPulse(Paper().drawerPin));
    out_ << "drawer " << Quote(deviceName) << '\n';
    return true;
}

void ScriptPrinters::InstallEscPos(const std::string& name, const std::string& file) {
    escPosNames_.push_back(name);
    escPosFiles_[name] = file;
}

bool TranscriptShell::Start(const std::string& program, const std::vector<std::string>& arguments,
                            std::string& /*error*/) {
    out_ << "start " << Quote(program);
    for (const std::string& argument : arguments) {
        out_ << ' ' << Quote(argument);
    }
    out_ << '\n';
    return true;
}

std::string TranscriptShell::AssociatedApplication(const std::string& /*file*/) {
    return associated_;  // no desktop: only what the script declared
}

void TranscriptKeyboard::Show() {
    std::string ignored;
    shell_.Start("onboard", {}, ignored);
}

}  // namespace vantor::headless
