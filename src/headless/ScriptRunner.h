#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "headless/HeadlessServices.h"
#include "headless/ScriptLine.h"
#include "platform/Form.h"
#include "platform/Ui.h"

namespace vantor::headless {

// Runs an automation script against the screen model and writes the
// transcript. It is the Ui of a headless run: message boxes, input boxes and
// pop-up menus take their answer from the next script line, and a modal
// dialog runs the script inside its own loop.
class ScriptRunner : public Ui {
public:
    // Twips of the screen a maximized window fills (1920 × 1080 pixels).
    static constexpr int kScreenWidth = 28800;
    static constexpr int kScreenHeight = 16200;

    // Looks up a named state of the till for `show` (NumTicket, Infos 9, ...).
    using Variables = std::function<std::optional<std::string>(const std::string&, int)>;

    ScriptRunner(std::istream& script, std::ostream& transcript, ScriptClock& clock,
                 ScriptPrinters& printers, TranscriptShell* shell = nullptr);

    // Applies the clock, printers and associate lines that stand before any other command.
    void RunPrelude();
    // Shows the main form and runs the script to its end.
    void Run(Form& main, Variables variables);
    int LineNumber() const { return lineNumber_; }

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::string SaveFileDialog(const std::string& title, const std::string& proposedPath,
                               const std::string& filter) override;
    void ShowModal(Form& form) override;
    void Show(Form& form) override;
    void Activate(Form& form) override;
    void PopupMenu(Form& form, Control& menu) override;

private:
    using Words = std::vector<Word>;
    // A script command: its words, the command's name first.
    using Command = void (ScriptRunner::*)(const Words& words);

    // The command of that name; nullptr when there is none. The prelude's
    // commands are those that may stand before the till starts.
    static Command MainCommand(const Word& name);
    static Command PreludeCommand(const Word& name);

    std::optional<Words> NextCommand();
    void PushBack(Words words);
    void RunUntil(const std::function<bool()>& done, const std::string& waiting);
    void Execute(const Words& words);
    void Dispatch(const Words& words);
    Words NextAnswer(const std::string& waiting);
    void OpenWindow(Form& form);
    void CloseWindow(Form& form);
    void SetWindowState(WindowState state);
    void TellIdleTime();

    Form& Front();
    Control& Target(const Words& words, std::size_t at, bool forClick);

    // The commands (ScriptCommands.cpp).
    void Click(const Words& words);
    void DoubleClick(const Words& words);
    void Tap(const Words& words);
    void Choose(const Words& words);
    void Type(const Words& words);
    void SetDate(const Words& words);
    void Scroll(const Words& words);
    void Resize(const Words& words);
    void ChangeWindowState(const Words& words);
    void Close(const Words& words);
    void ActivateWindow(const Words& words);
    void ShowValue(const Words& words);
    void SetClock(const Words& words);
    void SetPrinters(const Words& words);
    void SetEscPos(const Words& words);
    void SetAssociation(const Words& words);
    void RefuseAfterStart(const Words& words);
    void RefuseAnswer(const Words& words);

    std::istream& in_;
    std::ostream& out_;
    ScriptClock& clock_;
    ScriptPrinters& printers_;
    TranscriptShell* shell_;
    Variables variables_;
    int lineNumber_ = 0;
    std::optional<Words> pending_;
    std::vector<Form*> windows_;  // the window in front is the last
    std::set<Form*> modeless_;
    Form* main_ = nullptr;
    bool started_ = false;
    DateTime lastInput_;  // the script's last touch of the till
};

}  // namespace vantor::headless
