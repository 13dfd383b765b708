#include "gui/Events.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <exception>
#include <vector>

#include "gui/FormView.h"
#include "gui/QtSession.h"
#include "platform/Ui.h"

namespace vantor {
namespace {

void ReportFailure(const char* what) {
    QMessageBox::critical(nullptr, kApplicationTitle, QString::fromUtf8(what));
}

void DeleteRetired(QtSession& session) {
    std::vector<QPointer<QObject>> doomed;
    doomed.swap(session.retired);
    for (const QPointer<QObject>& object : doomed) {
        if (object) {
            object->deleteLater();
        }
    }
}

struct HandlerScope {
    explicit HandlerScope(QtSession& session) : session(session) { ++session.handlersRunning; }
    ~HandlerScope() { --session.handlersRunning; }
    QtSession& session;
};

}  // namespace

void Retire(QObject* object) {
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        widget->hide();
    }
    QtSession& session = QtSession::Current();
    session.retired.emplace_back(object);
    if (session.handlersRunning == 0) {
        DeleteRetired(session);
    }
}

void DeliverEvent(const std::function<void()>& handler) {
    QtSession& session = QtSession::Current();
    {
        HandlerScope scope(session);
        try {
            handler();
        } catch (const std::exception& error) {
            ReportFailure(error.what());
        } catch (...) {
            // Whatever it is, the till goes on: a sale may be under way.
            ReportFailure("Erreur inattendue : l'opération n'a pas pu aller à son terme.");
        }
        FormView::SyncAll();
    }
    if (session.handlersRunning == 0) {
        DeleteRetired(session);
    }
}

}  // namespace vantor
