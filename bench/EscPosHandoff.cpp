// Hand-off benchmark: the document of a receipt of 20 lines (the operations the
// till gives a page device) ended on two CUPS queues, one after the other:
//   - a raw queue, as ESC/POS bytes: the time until CUPS has the last byte,
//     and until CUPS has passed the job on to the printer;
//   - a queue with a driver, as the Qt page of today: the time until Qt has
//     handed the PDF job to CUPS.
// Prints the medians and the ratio of the hand-offs.
//   escpos-handoff RAW_QUEUE PAGE_QUEUE [RECEIPTS]
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "cups/CupsRaw.h"
#include "gui/QtPageDevice.h"
#include "platform/Printer.h"
#include "printing/EscPosDevice.h"

namespace {

using namespace vantor;

// The receipt's operations, at the places the till prints them.
void DrawReceipt(PageDevice& device) {
    int y = 2600;
    auto line = [&device, &y](int x, int size, bool bold, const std::string& text) {
        const PrintFont font{"Courier New", size, bold};
        device.Text(x, y, font, text);
        y += Printer::LineHeight(font);
    };
    for (const char* shop : {"Café du Port", "Quai 1", "1000 Lausanne", "021 000 00 00"}) {
        line(500, 12, true, shop);
    }
    line(300, 12, true, std::string(39, '-'));
    line(300, 12, false, "05.12.2026   12:04:09");
    line(300, 12, false, "Servis par : Paul");
    line(300, 12, false, "Ticket n° :  57");
    line(300, 12, false, std::string(39, '-'));
    line(0, 12, false, "");
    line(300, 10, true, " ");
    for (int i = 0; i < 20; ++i) {
        line(0, 10, true,
             i % 2 == 0 ? " 1 Café               €     3.50" : " 1 Thé noir           €     3.80");
    }
    line(0, 10, true, "");
    line(300, 10, true, "Total              €    73.00");
    line(300, 10, false, "TVA sur place (10% €     7.30");
    line(300, 10, true, std::string(39, '-'));
    device.End();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: escpos-handoff RAW_QUEUE PAGE_QUEUE [RECEIPTS]\n");
        return 2;
    }
    const std::string raw = argv[1];
    const std::string page = argv[2];
    const int receipts = argc > 3 ? std::atoi(argv[3]) : 20;
    std::vector<double> handed;
    std::vector<double> passedOn;
    std::vector<double> pages;
    try {
        for (int i = 0; i < receipts; ++i) {
            int job = 0;
            handed.push_back(Milliseconds([&] {
                EscPosDevice device(ReceiptPaper{}, [&](const std::string& bytes) {
                    job = cups::SubmitRaw(raw, bytes);
                });
                DrawReceipt(device);
            }));
            passedOn.push_back(handed.back() + Milliseconds([&] {
                                   cups::WaitUntilPassedOn(raw, job, std::chrono::seconds(10));
                               }));
            pages.push_back(Milliseconds([&] { DrawReceipt(*QtPageDevice::ForPrinter(page)); }));
        }
    } catch (const PrintError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("hand-off of a 20-line receipt to CUPS, %d receipts (medians):\n", receipts);
    std::printf("  ESC/POS bytes, last byte handed to CUPS   %8.2f ms\n", Median(handed));
    std::printf("  ESC/POS bytes, job passed on by CUPS      %8.2f ms\n", Median(passedOn));
    std::printf("  Qt page, PDF job handed to CUPS           %8.2f ms\n", Median(pages));
    std::printf("  ratio page / ESC/POS hand-off             %8.1f\n",
                Median(pages) / Median(handed));
    return 0;
}
