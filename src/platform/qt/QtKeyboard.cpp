#include "platform/qt/QtKeyboard.h"

#include <QProcess>
#include <QStandardPaths>

namespace vantor {

void QtKeyboard::Show() {
    const QString program = QStandardPaths::findExecutable("onboard");
    if (!program.isEmpty()) {
        QProcess::startDetached(program, {});
    }
}

}  // namespace vantor
