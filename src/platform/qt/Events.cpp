#include "platform/qt/Events.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <exception>
#include <vector>

#include "platform/Ui.h"
#include "platform/qt/FormView.h"

namespace vantor {
namespace {

int depth = 0;
std::vector<QPointer<QObject>> retired;

void ReportFailure(const char* what) {
    QMessageBox::critical(nullptr, kApplicationTitle, QString::fromUtf8(what));
}

void DeleteRetired() {
    std::vector<QPointer<QObject>> doomed;
    doomed.swap(retired);
    for (const QPointer<QObject>& object : doomed) {
        if (object) {
            object->deleteLater();
        }
    }
}

struct DepthScope {
    DepthScope() { ++depth; }
    ~DepthScope() { --depth; }
};

}  // namespace

void Retire(QObject* object) {
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        widget->hide();
    }
    retired.emplace_back(object);
    if (depth == 0) {
        DeleteRetired();
    }
}

void DeliverEvent(const std::function<void()>& handler) {
    {
        DepthScope scope;
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
    if (depth == 0) {
        DeleteRetired();
    }
}

}  // namespace vantor
