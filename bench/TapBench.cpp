// Tap benchmark: the time from a tap on an article button to the window
// repainted, in the real Qt front end. The tap is a mouse press and release
// sent to the button's widget (the model's MouseDown and Click handlers, each
// followed by the sync of every view, as for a real click); the time ends
// when the ticket total label got its paint event, which comes in the same
// backing store pass as every other widget the tap changed. Two tills, one
// after the other in this process:
//   - the default catalogue (91 articles) with an empty ticket, cleared
//     with "Effacer tout" after each tap;
//   - a catalogue of 1,000 articles with a ticket of 200 lines (200 taps on
//     different articles), the tapped line deleted after each tap.
// Clearing and deleting are not timed. Prints the median and 95th percentile
// of each and the ratio of the medians.
//   tap-bench [TAPS]
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/QtTill.h"
#include "gui/FormView.h"
#include "gui/MainWindow.h"
#include "sales/frmMain.h"

namespace vantor {
namespace {

constexpr int kWarmUpTaps = 5;
constexpr int kMaxSpins = 100000;
// Priced articles of the first keypad column, in both catalogues.
constexpr int kFirstTapped = 2;
constexpr int kLastTapped = 13;

// Counts the paint events one widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int Count() const { return count_; }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count_;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int count_ = 0;
};

template <typename Done>
void SpinUntil(Done done, const char* what) {
    for (int i = 0; i < kMaxSpins; ++i) {
        if (done()) {
            return;
        }
        QCoreApplication::processEvents();
    }
    throw std::runtime_error(std::string("never happened: ") + what);
}

void Settle() {
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
    }
}

void WriteCatalogue(const std::string& folder, int articles) {
    QDir().mkpath(QString::fromStdString(folder));
    std::ofstream out(folder + "/Articles.csv", std::ios::binary);
    if (!out) {
        throw std::runtime_error("cannot write " + folder + "/Articles.csv");
    }
    out << "Description;Prix;Categorie\r\n";
    for (int i = 1; i <= articles; ++i) {
        out << "Art " << i << ";" << 2 + i % 7 << ".5;" << i % 8 << "\r\n";
    }
}

struct Scenario {
    const char* name;
    const char* folder;
    int articles;  // 0: the default catalogue
    int lines;     // ticket lines before each tap
};

class Session {
public:
    Session(const std::string& folder, const Scenario& scenario) : scenario_(scenario) {
        if (scenario.articles > 0) {
            WriteCatalogue(folder, scenario.articles);
        }
        StartOptions options;
        options.dataDir = folder;
        started_ = std::make_unique<QtTill>(options);
        if (started_->till.status != StartStatus::Running) {
            throw std::runtime_error("the till did not start");
        }
        window_ = std::make_unique<MainWindow>(started_->Main());
        bool painted = false;
        QObject::connect(window_.get(), &MainWindow::FirstPainted, [&painted] { painted = true; });
        window_->ShowForm();
        SpinUntil([&painted] { return painted; }, "first paint");
        Settle();
    }
    ~Session() { window_.reset(); }

    std::vector<double> Run(int taps) {
        for (int i = 1; i <= scenario_.lines; ++i) {
            Fire([this, i] { form().Click(form().Get("Command1", i)); });
        }
        Expect(scenario_.lines, "lines before the taps");
        auto* total = window_->findChild<QWidget*>("lblTotal");
        if (total == nullptr) {
            throw std::runtime_error("no total label");
        }
        PaintCounter paints(*total);
        Settle();
        std::vector<double> times;
        for (int t = 0; t < kWarmUpTaps + taps; ++t) {
            const double ms = Tap(kFirstTapped + t % (kLastTapped - kFirstTapped + 1), paints);
            Expect(scenario_.lines + 1, "lines after a tap");
            Undo();
            if (t >= kWarmUpTaps) {
                times.push_back(ms);
            }
        }
        return times;
    }

private:
    frmMain& form() const { return started_->Main(); }
    void Fire(const std::function<void()>& handler) { window_->View().Fire(handler); }

    double Tap(int index, const PaintCounter& paints) {
        const std::string id = "Command1(" + std::to_string(index) + ")";
        auto* button = window_->findChild<QAbstractButton*>(QString::fromStdString(id));
        if (button == nullptr || !button->isVisible()) {
            throw std::runtime_error("no visible button " + id);
        }
        const int before = paints.Count();
        QElapsedTimer timer;
        timer.start();
        Press(*button);
        SpinUntil([&] { return paints.Count() > before; }, "repaint after a tap");
        return static_cast<double>(timer.nsecsElapsed()) / 1e6;
    }

    // A left press and release in the middle of the button, as the mouse
    // sends them: the model gets its MouseDown, then its Click.
    static void Press(QWidget& button) {
        const QPointF local = QRectF(button.rect()).center();
        const QPointF global = button.mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&button, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&button, &release);
    }

    // Back to the ticket of before the tap, untimed.
    void Undo() {
        if (scenario_.lines == 0) {
            Fire([this] { form().Click(form().Get("cmdClear")); });
        } else {
            Control& list = form().Get("lstTicket");
            Fire([&] { form().Choose(list, list.ListCount() - 1); });
            Fire([this] { form().Click(form().Get("cmdDeleteLine")); });
        }
        Expect(scenario_.lines, "lines after undoing a tap");
        Settle();
    }

    void Expect(int lines, const char* when) const {
        if (form().Get("lstTicket").ListCount() != lines) {
            throw std::runtime_error(std::string("wrong ticket: ") + when);
        }
    }

    Scenario scenario_;
    std::unique_ptr<QtTill> started_;
    std::unique_ptr<MainWindow> window_;
};

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[rank];
}

double Measure(const Scenario& scenario, int taps, const QTemporaryDir& work) {
    const std::string folder = work.filePath(scenario.folder).toStdString();
    std::vector<double> times = Session(folder, scenario).Run(taps);
    const double median = Percentile(times, 0.5);
    std::printf("  %-32s median %7.3f ms   p95 %7.3f ms\n", scenario.name, median,
                Percentile(times, 0.95));
    return median;
}

}  // namespace
}  // namespace vantor

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int taps = argc > 1 ? std::atoi(argv[1]) : 200;
    QTemporaryDir work;
    if (!work.isValid() || taps <= 0) {
        std::fprintf(stderr, "usage: tap-bench [TAPS]\n");
        return 2;
    }
    try {
        std::printf("tap on an article button to repainted window, %d taps each (%s):\n", taps,
                    qPrintable(QGuiApplication::platformName()));
        const double small =
            vantor::Measure({"91 articles, empty ticket", "default", 0, 0}, taps, work);
        const double large =
            vantor::Measure({"1000 articles, 200-line ticket", "large", 1000, 200}, taps, work);
        std::printf("  ratio of the medians             %.2f\n", large / small);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tap-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
