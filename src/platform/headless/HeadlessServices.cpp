#include "platform/headless/HeadlessServices.h"

#include "platform/headless/ScriptLine.h"

namespace vantor::headless {

std::vector<std::string> ScriptPrinters::List() const {
    std::vector<std::string> names = installed_;
    names.push_back(kPdfPrinterName);
    return names;
}

std::string ScriptPrinters::DefaultName() const {
    return installed_.empty() ? kPdfPrinterName : installed_.front();
}

std::unique_ptr<PageDevice> ScriptPrinters::Open(const std::string& deviceName) {
    return std::make_unique<TranscriptPageDevice>(out_, deviceName,
                                                  pdf_ ? pdf_(deviceName) : nullptr);
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
