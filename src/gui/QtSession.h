#pragma once

#include <QFont>
#include <QPointer>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace vantor {

class FormView;
class NumericPad;

// What the Qt side of a running till keeps from one event to the next, in one
// place. QtTill owns one for the whole run, so a second till in the same
// process (a test, a benchmark) starts from nothing; code that runs without a
// till (a lone form view, a printout) shares a default one.
class QtSession {
public:
    QtSession();
    ~QtSession();
    QtSession(const QtSession&) = delete;
    QtSession& operator=(const QtSession&) = delete;

    // The session of the till running now, or the default one.
    static QtSession& Current();

    int handlersRunning = 0;                 // event handlers nested now
    std::vector<QPointer<QObject>> retired;  // deleted once no handler runs
    std::vector<FormView*> liveViews;        // brought up to date after each event
    double scale = 0;                        // the main window's, once it is shown
    int modalsShown = 0;                     // boxes, dialogs and pop-ups so far
    QPointer<NumericPad> numericPad;         // beside the amount field with the focus
    std::map<std::tuple<std::string, int, bool, double>, QFont> fonts;

private:
    struct OutsideTill {};
    explicit QtSession(OutsideTill) : previous_(this) {}

    QtSession* previous_;  // the session this one hides, itself for the default one
};

}  // namespace vantor
