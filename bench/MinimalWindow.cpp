// The yardstick of the start-up benchmark: a Qt application that shows one
// maximized main window and quits as soon as it has been drawn once.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace {

// Quits once the watched widget got its first paint event.
class FirstPaintQuits : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);
    window.setWindowTitle("Minimal");
    FirstPaintQuits quitter;
    central->installEventFilter(&quitter);
    window.showMaximized();
    return application.exec();
}
