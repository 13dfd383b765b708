#include "headless/ScriptRunner.h"

#include <algorithm>
#include <iostream>
#include <string_view>

#include "data/Dates.h"

namespace vantor::headless {

namespace {

std::string IconName(int style) {
    switch (style & 0x70) {
        case vbCritical:
            return "critical";
        case vbQuestion:
            return "question";
        case vbExclamation:
            return "exclamation";
        case vbInformation:
            return "information";
        default:
            return "none";
    }
}

bool Holds(const Control& menu, const Control& entry) {
    for (const Control* c = entry.container; c != nullptr; c = c->container) {
        if (c == &menu) {
            return true;
        }
    }
    return false;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

ScriptRunner::ScriptRunner(std::istream& script, std::ostream& transcript, ScriptClock& clock,
                           ScriptPrinters& printers, TranscriptShell* shell)
    : in_(script), out_(transcript), clock_(clock), printers_(printers), shell_(shell) {}

std::optional<ScriptRunner::Words> ScriptRunner::NextCommand() {
    if (pending_) {
        return std::exchange(pending_, std::nullopt);
    }
    out_.flush();  // whoever feeds the script line by line sees the transcript so far
    std::string line;
    while (std::getline(in_, line)) {
        if (++lineNumber_ == 1 && line.starts_with(kByteOrderMark)) {
            line.erase(0, kByteOrderMark.size());  // a script saved by an editor that marks UTF-8
        }
        Words words = SplitWords(line);
        if (words.empty() || (!words.front().quoted && words.front().text.starts_with("#"))) {
            continue;
        }
        return words;
    }
    return std::nullopt;
}

void ScriptRunner::PushBack(Words words) {
    pending_ = std::move(words);
}

void ScriptRunner::RunPrelude() {
    while (std::optional<Words> words = NextCommand()) {
        const Command command = PreludeCommand(words->front());
        if (command == nullptr) {
            PushBack(std::move(*words));
            return;
        }
        (this->*command)(*words);
    }
}

void ScriptRunner::Run(Form& main, Variables variables) {
    started_ = true;
    main_ = &main;
    variables_ = std::move(variables);
    OpenWindow(main);
    SetWindowState(main.windowState);
    lastInput_ = clock_.Now();
    main.Form_Activate();
    for (TellIdleTime(); std::optional<Words> words = NextCommand(); TellIdleTime()) {
        if (main.Closed()) {
            throw ScriptError("le programme est terminé");
        }
        Execute(*words);
    }
}

// Between two lines of the script, as the window's timer does between two
// touches: the main window, under no modal dialog, is told how long nobody
// has touched the till by the script's clock (a `clock` line moves it on).
void ScriptRunner::TellIdleTime() {
    const bool modal = std::any_of(windows_.begin(), windows_.end(), [this](Form* form) {
        return form != main_ && modeless_.count(form) == 0;
    });
    if (main_ == nullptr || main_->Closed() || modal) {
        return;
    }
    const long long idle = SecondsFromCivil(clock_.Now()) - SecondsFromCivil(lastInput_);
    if (idle > 0) {
        main_->Form_Idle(static_cast<int>(std::min<long long>(idle, 1LL << 30)));
    }
}

void ScriptRunner::OpenWindow(Form& form) {
    form.visible = true;
    windows_.push_back(&form);
    out_ << "open " << form.Name() << ' ' << Quote(form.caption) << '\n';
}

void ScriptRunner::CloseWindow(Form& form) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &form), windows_.end());
    out_ << "close " << form.Name() << '\n';
}

void ScriptRunner::RunUntil(const std::function<bool()>& done, const std::string& waiting) {
    while (!done()) {
        std::optional<Words> words = NextCommand();
        if (!words) {
            throw ScriptError("le script se termine alors que " + waiting + " est ouverte");
        }
        Execute(*words);
    }
}

// A handler that fails shows its error and the run goes on, as in the window.
void ScriptRunner::Execute(const Words& words) {
    // What a user does; reading the screen or setting the clock is no touch.
    if (words.front() != "show" && words.front() != "clock") {
        lastInput_ = clock_.Now();
    }
    try {
        Dispatch(words);
    } catch (const ScriptError&) {
        throw;
    } catch (const std::exception& error) {
        MsgBox(error.what(), vbCritical, kApplicationTitle);
    }
}

void ScriptRunner::Dispatch(const Words& words) {
    const Command command = MainCommand(words.front());
    if (command == nullptr) {
        throw ScriptError("commande inconnue : " + words.front().text);
    }
    (this->*command)(words);
    // The main window, or a modeless one, closed by this command leaves the screen.
    for (Form* form : std::vector<Form*>(windows_)) {
        if (form->Closed() && (form == main_ || modeless_.count(form) != 0)) {
            modeless_.erase(form);
            CloseWindow(*form);
        }
    }
}

ScriptRunner::Words ScriptRunner::NextAnswer(const std::string& waiting) {
    std::optional<Words> words = NextCommand();
    if (!words) {
        throw ScriptError("le script se termine alors que " + waiting + " attend une réponse");
    }
    if (words->front() != "answer" || words->size() != 2) {
        throw ScriptError(waiting + " attend une réponse (answer), pas : " + words->front().text);
    }
    lastInput_ = clock_.Now();
    return *words;
}

int ScriptRunner::MsgBox(const std::string& prompt, int style, const std::string& title) {
    const bool yesNo = (style & 0x7) == vbYesNo;
    out_ << "msgbox " << IconName(style) << ' ' << (yesNo ? "yesno" : "ok") << ' '
         << Quote(title.empty() ? kApplicationTitle : title) << ' ' << Quote(prompt) << '\n';
    if (!started_ && !yesNo) {
        std::cerr << prompt << '\n';  // start-up messages do not wait; questions do
        return vbOK;
    }
    const Word answer = NextAnswer("la boîte de message")[1];
    if (yesNo && (answer == "yes" || answer == "no")) {
        return answer == "yes" ? vbYes : vbNo;
    }
    if (!yesNo && answer == "ok") {
        return vbOK;
    }
    throw ScriptError(std::string("réponse attendue : ") + (yesNo ? "yes ou no" : "ok"));
}

std::string ScriptRunner::InputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
    out_ << "inputbox " << Quote(title.empty() ? kApplicationTitle : title) << ' ' << Quote(prompt)
         << ' ' << Quote(defaultText) << '\n';
    const Word answer = NextAnswer("la boîte de saisie")[1];
    if (answer == "cancel") {
        return "";
    }
    return answer == "ok" ? defaultText : answer.text;
}

// "answer PATH" saves there, "answer ok" where it was proposed, "answer
// cancel" nowhere.
std::string ScriptRunner::SaveFileDialog(const std::string& title, const std::string& proposedPath,
                                         const std::string& filter) {
    out_ << "savefile " << Quote(title.empty() ? kApplicationTitle : title) << ' '
         << Quote(proposedPath) << ' ' << Quote(filter) << '\n';
    const Word answer = NextAnswer("l'enregistrement de fichier")[1];
    if (answer == "cancel") {
        return "";
    }
    return answer == "ok" ? proposedPath : answer.text;
}

void ScriptRunner::ShowModal(Form& form) {
    OpenWindow(form);
    form.Form_Activate();
    RunUntil([&form] { return form.Closed(); }, "la fenêtre " + form.Name());
    if (std::find(windows_.begin(), windows_.end(), &form) != windows_.end()) {
        CloseWindow(form);
    }
}

void ScriptRunner::Show(Form& form) {
    OpenWindow(form);
    modeless_.insert(&form);
    form.Form_Activate();
}

void ScriptRunner::Activate(Form& form) {
    auto found = std::find(windows_.begin(), windows_.end(), &form);
    if (found != windows_.end()) {
        windows_.erase(found);
        windows_.push_back(&form);
    }
    out_ << "activate " << form.Name() << '\n';
}

void ScriptRunner::PopupMenu(Form& form, Control& menu) {
    out_ << "popup " << menu.name << '\n';
    std::optional<Words> words = NextCommand();
    if (!words) {
        throw ScriptError("le script se termine alors que le menu " + menu.name + " est ouvert");
    }
    if (words->front() == "answer" && words->size() == 2 && (*words)[1] == "cancel") {
        return;
    }
    if (words->front() != "click" || words->size() < 2) {
        throw ScriptError("le menu " + menu.name + " attend un click ou answer cancel");
    }
    const int index = words->size() > 2 ? ParseIndex((*words)[2]) : -1;
    Control* entry = form.Find((*words)[1].text, index);
    if (entry == nullptr || !Holds(menu, *entry) || !entry->visible || !entry->enabled) {
        throw ScriptError("pas d'entrée " + (*words)[1].text + " utilisable dans le menu " +
                          menu.name);
    }
    form.Click(*entry);
}

Form& ScriptRunner::Front() {
    if (windows_.empty()) {
        throw ScriptError("aucune fenêtre ouverte");
    }
    return *windows_.back();
}

void ScriptRunner::SetWindowState(WindowState state) {
    Form& form = Front();
    form.windowState = state;
    if (state == WindowState::Maximized) {
        form.width = kScreenWidth;
        form.height = kScreenHeight;
    }
    form.Form_Resize();
}

}  // namespace vantor::headless
