#include "gui/ReportPdfFile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

#include "data/TextFile.h"
#include "gui/Convert.h"
#include "gui/Fonts.h"

namespace vantor {

namespace {

constexpr int kReportPdfDpi = 1200;
constexpr double kTwipsPerInchF = 1440.0;

}  // namespace

void EnsureOffscreenApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    static int argc = 1;
    static char name[] = "vantor";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept to the end of the process: Qt objects must not die in static destructors.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
    InstallFontSubstitutes();
}

namespace {

QByteArray PdfBytes(const std::vector<ReportPage>& pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kReportPdfDpi);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setCreator("Vantor");
    QPainter painter;
    if (!painter.begin(&writer)) {
        throw std::runtime_error("Impossible de préparer le document PDF.");
    }
    const double scale = kReportPdfDpi / kTwipsPerInchF;
    const QFont normal = ControlFont("Courier New", kReportPoints, false, scale);
    const QFont bold = ControlFont("Courier New", kReportPoints, true, scale);
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0) {
            writer.newPage();
        }
        for (const PageLine& line : pages[n].lines) {
            painter.setFont(line.bold ? bold : normal);
            const double ascent = QFontMetricsF(painter.font(), &writer).ascent();
            painter.drawText(QPointF(line.x * scale, line.y * scale + ascent),
                             ToQString(line.text));
        }
    }
    painter.end();
    return buffer.data();
}

}  // namespace

void WriteReportPdfFile(const std::string& path, const std::vector<ReportPage>& pages) {
    EnsureOffscreenApplication();
    const QByteArray bytes = PdfBytes(pages);
    // A FileError, whose text names the file and the system's reason.
    WriteFileAtomic(path,
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vantor
