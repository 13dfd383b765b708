#include "platform/headless/ScriptRunner.h"

#include <algorithm>
#include <iostream>
#include <string_view>

#include "data/Dates.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "platform/headless/Properties.h"

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

int ParseIndex(const Word& word) {
    std::optional<int> value = word.quoted ? std::nullopt : ParseInteger(word.text);
    if (!value) {
        throw ScriptError("nombre attendu : " + word.text);
    }
    return *value;
}

void ExpectCount(const std::vector<Word>& words, std::size_t least, std::size_t most) {
    if (words.size() < least || words.size() > most) {
        throw ScriptError("nombre d'arguments incorrect pour " + words.front().text);
    }
}

// The control and every frame or menu holding it can be used by a pointer.
bool Usable(const Control& control) {
    for (const Control* c = &control; c != nullptr; c = c->container) {
        if (!c->visible || !c->enabled) {
            return false;
        }
    }
    return true;
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
        if (words->front() == "clock") {
            SetClock(*words);
        } else if (words->front() == "printers") {
            SetPrinters(*words);
        } else if (words->front() == "escpos") {
            ExpectCount(*words, 3, 3);
            printers_.InstallEscPos((*words)[1].text, (*words)[2].text);
        } else if (words->front() == "associate") {
            SetAssociation(*words);
        } else {
            PushBack(std::move(*words));
            return;
        }
    }
}

void ScriptRunner::Run(Form& main, Variables variables) {
    started_ = true;
    main_ = &main;
    variables_ = std::move(variables);
    OpenWindow(main);
    SetWindowState(main.windowState);
    main.Form_Activate();
    while (std::optional<Words> words = NextCommand()) {
        if (main.Closed()) {
            throw ScriptError("le programme est terminé");
        }
        Execute(*words);
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
    try {
        Dispatch(words);
    } catch (const ScriptError&) {
        throw;
    } catch (const std::exception& error) {
        MsgBox(error.what(), vbCritical, kApplicationTitle);
    }
}

void ScriptRunner::Dispatch(const Words& words) {
    const Word& command = words.front();
    if (command == "click" || command == "rclick") {
        Click(words, command == "rclick");
    } else if (command == "choose") {
        Choose(words);
    } else if (command == "dblclick") {
        ExpectCount(words, 2, 3);
        Front().DblClick(Target(words, 1, true));
    } else if (command == "type") {
        Type(words);
    } else if (command == "date") {
        SetDate(words);
    } else if (command == "scroll") {
        Scroll(words);
    } else if (command == "resize") {
        Resize(words);
    } else if (command == "minimize" || command == "maximize" || command == "restore") {
        ExpectCount(words, 1, 1);
        SetWindowState(command == "minimize"   ? WindowState::Minimized
                       : command == "maximize" ? WindowState::Maximized
                                               : WindowState::Normal);
    } else if (command == "close") {
        Close();
    } else if (command == "activate") {
        ActivateWindow(words);
    } else if (command == "show") {
        ShowValue(words);
    } else if (command == "clock") {
        SetClock(words);
    } else if (command == "printers" || command == "escpos" || command == "associate") {
        throw ScriptError(command.text + " doit précéder toute autre commande");
    } else if (command == "answer") {
        throw ScriptError("aucune boîte n'attend de réponse");
    } else {
        throw ScriptError("commande inconnue : " + command.text);
    }
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
    return *words;
}

int ScriptRunner::MsgBox(const std::string& prompt, int style, const std::string& title) {
    const bool yesNo = (style & 0x7) == vbYesNo;
    out_ << "msgbox " << IconName(style) << ' ' << (yesNo ? "yesno" : "ok") << ' '
         << Quote(title.empty() ? kApplicationTitle : title) << ' ' << Quote(prompt) << '\n';
    if (!started_) {
        std::cerr << prompt << '\n';  // start-up messages do not wait
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

Control& ScriptRunner::Target(const Words& words, std::size_t at, bool forClick) {
    if (words.size() <= at) {
        throw ScriptError("nom de contrôle attendu");
    }
    const bool indexed = words.size() > at + 1;
    const int index = indexed ? ParseIndex(words[at + 1]) : -1;
    Control* control = Front().Find(words[at].text, index);
    if (control == nullptr) {
        throw ScriptError("contrôle inconnu dans " + Front().Name() + " : " + words[at].text +
                          (indexed ? " " + std::to_string(index) : ""));
    }
    if (forClick && !Usable(*control)) {
        throw ScriptError("le contrôle " + words[at].text + " est caché ou désactivé");
    }
    return *control;
}

void ScriptRunner::Click(const Words& words, bool right) {
    ExpectCount(words, 2, 3);
    Control& control = Target(words, 1, true);
    Form& form = Front();
    const bool pointer = control.kind != ControlKind::Menu;
    if (right && !pointer) {
        throw ScriptError("clic droit impossible sur une entrée de menu");
    }
    if (pointer) {
        form.MouseDown(control, right ? vbRightButton : vbLeftButton);
    }
    if (!right) {
        form.Click(control);
    }
}

void ScriptRunner::Choose(const Words& words) {
    ExpectCount(words, 3, 4);
    Words target(words.begin(), words.end() - 1);
    Control& control = Target(target, 1, true);
    const int position = ParseIndex(words.back());
    if (position < 0 || position >= control.ListCount()) {
        throw ScriptError("pas d'élément " + std::to_string(position) + " dans " + control.name);
    }
    Front().Choose(control, position);
}

void ScriptRunner::Type(const Words& words) {
    ExpectCount(words, 3, 4);
    Words target(words.begin(), words.end() - 1);
    Control& control = Target(target, 1, true);
    std::string text = words.back().text;
    if (control.maxLength > 0) {
        text = Left(text, static_cast<std::size_t>(control.maxLength));
    }
    Front().SetText(control, text);
}

void ScriptRunner::SetDate(const Words& words) {
    ExpectCount(words, 3, 4);
    Words target(words.begin(), words.end() - 1);
    Control& control = Target(target, 1, true);
    std::optional<Date> date = ParseDate(words.back().text);
    if (!date) {
        throw ScriptError("date attendue (JJ.MM.AAAA) : " + words.back().text);
    }
    Front().SetDate(control, *date);
}

void ScriptRunner::Scroll(const Words& words) {
    ExpectCount(words, 2, 2);
    Control* bar = Front().Find("Scroll");
    if (bar == nullptr) {
        throw ScriptError("pas de barre de défilement dans " + Front().Name());
    }
    Front().SetValue(*bar, ParseIndex(words[1]));
}

void ScriptRunner::Resize(const Words& words) {
    ExpectCount(words, 3, 3);
    Form& form = Front();
    form.windowState = WindowState::Normal;
    form.width = ParseIndex(words[1]);
    form.height = ParseIndex(words[2]);
    form.Form_Resize();
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

void ScriptRunner::Close() {
    Front().RequestClose();
}

// The user brings a window already on screen to the front: possible while no
// modal dialog is open, like a click on another window of the till.
void ScriptRunner::ActivateWindow(const Words& words) {
    ExpectCount(words, 2, 2);
    for (Form* form : windows_) {
        if (form != main_ && modeless_.count(form) == 0) {
            throw ScriptError("la fenêtre modale " + form->Name() + " est ouverte");
        }
    }
    auto found = std::find_if(windows_.begin(), windows_.end(),
                              [&](const Form* form) { return form->Name() == words[1].text; });
    if (found == windows_.end()) {
        throw ScriptError("pas de fenêtre ouverte : " + words[1].text);
    }
    Form& form = **found;
    Activate(form);
    form.Form_Activate();
}

void ScriptRunner::ShowValue(const Words& words) {
    ExpectCount(words, 2, 4);
    const std::string& target = words[1].text;
    const std::size_t dot = target.find('.');
    const std::string name = target.substr(0, dot);
    const std::string property = dot == std::string::npos ? "" : target.substr(dot + 1);
    std::vector<int> numbers;
    for (std::size_t i = 2; i < words.size(); ++i) {
        numbers.push_back(ParseIndex(words[i]));
    }
    Form& form = Front();
    auto window = std::find_if(windows_.begin(), windows_.end(),
                               [&](const Form* f) { return f->Name() == name; });
    if (window != windows_.end() && numbers.empty()) {
        out_ << "show " << target << ' ' << ShowFormProperty(**window, property) << '\n';
        return;
    }
    const bool array = form.Find(name) == nullptr;
    const int index = array && !numbers.empty() ? numbers.front() : -1;
    const int item = numbers.size() > (array ? 1u : 0u) ? numbers.back() : -1;
    if (Control* control = form.Find(name, index)) {
        const std::string shown = property.empty() ? MainProperty(*control) : property;
        out_ << "show " << name << (index >= 0 ? "(" + std::to_string(index) + ")" : "") << '.'
             << shown << (item >= 0 ? "(" + std::to_string(item) + ")" : "") << ' '
             << ShowProperty(*control, shown, item) << '\n';
        return;
    }
    const int variableIndex = numbers.empty() ? -1 : numbers.front();
    std::optional<std::string> value =
        property.empty() && variables_ ? variables_(name, variableIndex) : std::nullopt;
    if (!value) {
        throw ScriptError("nom inconnu : " + target);
    }
    out_ << "show " << name << (variableIndex >= 0 ? "(" + std::to_string(variableIndex) + ")" : "")
         << ' ' << *value << '\n';
}

void ScriptRunner::SetClock(const Words& words) {
    ExpectCount(words, 3, 3);
    std::optional<Date> date = ParseDate(words[1].text);
    std::optional<TimeOfDay> time = ParseTime(words[2].text);
    if (!date || !time) {
        throw ScriptError("date et heure attendues (JJ.MM.AAAA H:MM:SS)");
    }
    clock_.Fix(DateTime{*date, *time});
}

void ScriptRunner::SetPrinters(const Words& words) {
    std::vector<std::string> names;
    for (std::size_t i = 1; i < words.size(); ++i) {
        names.push_back(words[i].text);
    }
    printers_.Install(std::move(names));
}

void ScriptRunner::SetAssociation(const Words& words) {
    ExpectCount(words, 2, 2);
    if (shell_ == nullptr) {
        throw ScriptError("associate : pas de bureau dans cette exécution");
    }
    shell_->Associate(words[1].text);
}

}  // namespace vantor::headless
