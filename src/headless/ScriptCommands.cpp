// The script's commands, each a member of the runner that reads its words
// and acts on the window in front, and the tables that name them.
#include <algorithm>
#include <map>

#include "data/Dates.h"
#include "data/Text.h"
#include "headless/Properties.h"
#include "headless/ScriptRunner.h"

namespace vantor::headless {

namespace {

// The control and every frame or menu holding it can be used by a pointer.
bool Usable(const Control& control) {
    for (const Control* c = &control; c != nullptr; c = c->container) {
        if (!c->visible || !c->enabled) {
            return false;
        }
    }
    return true;
}

// The command a table names by an unquoted word; nullptr when it names none.
template <typename Table>
typename Table::mapped_type Lookup(const Table& table, const Word& name) {
    const auto found = name.quoted ? table.end() : table.find(name.text);
    return found == table.end() ? nullptr : found->second;
}

}  // namespace

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

// "click" or "rclick": a press of that button on the control, and for the
// left one the click that follows.
void ScriptRunner::Click(const Words& words) {
    ExpectCount(words, 2, 3);
    const bool right = words.front() == "rclick";
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

// "tap NAME X Y": a left press released at x, y twips from the control's
// top-left corner, and the click that follows.
void ScriptRunner::Tap(const Words& words) {
    ExpectCount(words, 4, 4);
    Control& control = Target(Words(words.begin(), words.begin() + 2), 1, true);
    const int x = ParseIndex(words[2]);
    const int y = ParseIndex(words[3]);
    if (x >= control.width || y >= control.height) {
        throw ScriptError("le point " + std::to_string(x) + " " + std::to_string(y) +
                          " est hors de " + control.name);
    }
    Form& form = Front();
    form.MouseDown(control, vbLeftButton);
    form.MouseUp(control, vbLeftButton, x, y);
    form.Click(control);
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

void ScriptRunner::DoubleClick(const Words& words) {
    ExpectCount(words, 2, 3);
    Front().DblClick(Target(words, 1, true));
}

void ScriptRunner::ChangeWindowState(const Words& words) {
    ExpectCount(words, 1, 1);
    const Word& command = words.front();
    SetWindowState(command == "minimize"   ? WindowState::Minimized
                   : command == "maximize" ? WindowState::Maximized
                                           : WindowState::Normal);
}

void ScriptRunner::Close(const Words& /*words*/) {
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

void ScriptRunner::SetEscPos(const Words& words) {
    ExpectCount(words, 3, 3);
    printers_.InstallEscPos(words[1].text, words[2].text);
}

void ScriptRunner::SetAssociation(const Words& words) {
    ExpectCount(words, 2, 2);
    if (shell_ == nullptr) {
        throw ScriptError("associate : pas de bureau dans cette exécution");
    }
    shell_->Associate(words[1].text);
}

void ScriptRunner::RefuseAfterStart(const Words& words) {
    throw ScriptError(words.front().text + " doit précéder toute autre commande");
}

void ScriptRunner::RefuseAnswer(const Words& /*words*/) {
    throw ScriptError("aucune boîte n'attend de réponse");
}

ScriptRunner::Command ScriptRunner::MainCommand(const Word& name) {
    static const std::map<std::string, Command, std::less<>> kCommands = {
        {"click", &ScriptRunner::Click},
        {"rclick", &ScriptRunner::Click},
        {"dblclick", &ScriptRunner::DoubleClick},
        {"tap", &ScriptRunner::Tap},
        {"choose", &ScriptRunner::Choose},
        {"type", &ScriptRunner::Type},
        {"date", &ScriptRunner::SetDate},
        {"scroll", &ScriptRunner::Scroll},
        {"resize", &ScriptRunner::Resize},
        {"minimize", &ScriptRunner::ChangeWindowState},
        {"maximize", &ScriptRunner::ChangeWindowState},
        {"restore", &ScriptRunner::ChangeWindowState},
        {"close", &ScriptRunner::Close},
        {"activate", &ScriptRunner::ActivateWindow},
        {"show", &ScriptRunner::ShowValue},
        {"clock", &ScriptRunner::SetClock},
        {"printers", &ScriptRunner::RefuseAfterStart},
        {"escpos", &ScriptRunner::RefuseAfterStart},
        {"associate", &ScriptRunner::RefuseAfterStart},
        {"answer", &ScriptRunner::RefuseAnswer},
    };
    return Lookup(kCommands, name);
}

ScriptRunner::Command ScriptRunner::PreludeCommand(const Word& name) {
    static const std::map<std::string, Command, std::less<>> kCommands = {
        {"clock", &ScriptRunner::SetClock},
        {"printers", &ScriptRunner::SetPrinters},
        {"escpos", &ScriptRunner::SetEscPos},
        {"associate", &ScriptRunner::SetAssociation},
    };
    return Lookup(kCommands, name);
}

}  // namespace vantor::headless
