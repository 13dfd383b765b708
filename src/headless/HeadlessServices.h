#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "headless/TranscriptPrinting.h"
#include "platform/Platform.h"

namespace vantor::headless {

// The system clock, or a fixed time once the script sets one.
class ScriptClock : public Clock {
public:
    explicit ScriptClock(Clock& system) : system_(system) {}
    DateTime Now() override { return fixed_ ? *fixed_ : system_.Now(); }
    void Fix(const DateTime& time) { fixed_ = time; }

private:
    Clock& system_;
    std::optional<DateTime> fixed_;
};

// The printers the script declares, the first being the default; without
// them only the PDF printer. A receipt printer declared with `escpos` gets
// the ESC/POS bytes of its documents and drawer pulses appended to a file, as
// a printer's device file would.
class ScriptPrinters : public Printers {
public:
    ScriptPrinters(std::ostream& transcript, PdfDeviceFactory pdf)
        : out_(transcript), pdf_(std::move(pdf)) {}
    std::vector<std::string> List() const override;
    std::string DefaultName() const override;
    // Each document is written to the transcript, and to a PDF file when asked
    // or to the ESC/POS printer's file.
    std::unique_ptr<PageDevice> Open(const std::string& deviceName) override;
    // A pulse on an ESC/POS printer is a transcript line "drawer NAME".
    bool OpenDrawer(const std::string& deviceName) override;
    void Install(std::vector<std::string> names) { installed_ = std::move(names); }
    void InstallEscPos(const std::string& name, const std::string& file);

private:
    std::ostream& out_;
    PdfDeviceFactory pdf_;
    std::vector<std::string> installed_;
    std::vector<std::string> escPosNames_;  // listed after installed_
    std::map<std::string, std::string> escPosFiles_;
};

// Programs are not started: each start is a transcript line.
class TranscriptShell : public Shell {
public:
    explicit TranscriptShell(std::ostream& transcript) : out_(transcript) {}
    bool Start(const std::string& program, const std::vector<std::string>& arguments,
               std::string& error) override;
    std::string AssociatedApplication(const std::string& file) override;
    // The application the script says the desktop associates with every file.
    void Associate(std::string application) { associated_ = std::move(application); }

private:
    std::ostream& out_;
    std::string associated_;
};

class TranscriptKeyboard : public OnScreenKeyboard {
public:
    explicit TranscriptKeyboard(Shell& shell) : shell_(shell) {}
    void Show() override;

private:
    Shell& shell_;
};

}  // namespace vantor::headless
