#include "gui/QtPageDevice.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "data/SystemErrors.h"
#include "gui/Convert.h"
#include "gui/Fonts.h"
#include "gui/QrMatrix.h"
#include "platform/FileSystem.h"

namespace vantor {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kPdfResolution = 1200;  // dots per inch
constexpr int kQuietZone = 4;         // light modules around a QR code

// The dark modules as one path of horizontal runs, filled at once so that
// adjacent modules show no seam.
void DrawQrCode(QPainter& painter, const QrMatrix& matrix, const QRectF& square) {
    const int modules = matrix.Width() + 2 * kQuietZone;
    const double size = square.width() / modules;
    QPainterPath dark;
    dark.setFillRule(Qt::WindingFill);
    for (int row = 0; row < matrix.Width(); ++row) {
        int column = 0;
        while (column < matrix.Width()) {
            if (!matrix.Dark(column, row)) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < matrix.Width() && matrix.Dark(column, row)) {
                ++column;
            }
            dark.addRect(square.left() + (kQuietZone + start) * size,
                         square.top() + (kQuietZone + row) * size, (column - start) * size, size);
        }
    }
    painter.fillRect(square, Qt::white);
    painter.fillPath(dark, Qt::black);
}

}  // namespace

std::unique_ptr<QtPageDevice> QtPageDevice::ForPrinter(const std::string& deviceName) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(ToQString(deviceName));
    if (info.isNull()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName("Vantor");
    QPrinter* raw = printer.get();
    return std::unique_ptr<QtPageDevice>(new QtPageDevice(std::move(printer), raw, {}));
}

std::unique_ptr<QtPageDevice> QtPageDevice::ForPdfFile(const std::string& path) {
    // Made through the data files' seam, for the system's reason in French.
    File file;
    if (const int error = file.Open(path, FileSystem::Mode::Append)) {
        throw PrintError("Impossible d'écrire le fichier \"" + path +
                         "\" : " + SystemErrorText(error));
    }
    file.Close();
    auto writer = std::make_unique<QPdfWriter>(ToQString(path));
    writer->setResolution(kPdfResolution);
    writer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer->setCreator("Vantor");
    return std::unique_ptr<QtPageDevice>(new QtPageDevice(std::move(writer), nullptr, path));
}

QtPageDevice::QtPageDevice(std::unique_ptr<QPagedPaintDevice> device, QPrinter* printer,
                           std::string pdfPath)
    : device_(std::move(device)), printer_(printer), pdfPath_(std::move(pdfPath)) {}

QtPageDevice::~QtPageDevice() {
    if (!ended_ && !pdfPath_.empty()) {
        device_.reset();
        QFile::remove(ToQString(pdfPath_));
    }
}

double QtPageDevice::Scale() const {
    return static_cast<double>(device_->logicalDpiY()) / kTwipsPerInch;
}

void QtPageDevice::Text(int x, int y, const PrintFont& font, const std::string& text) {
    const double scale = Scale();
    const QFont qfont = ControlFont(font.name, font.size, font.bold, scale);
    const QPointF top(x * scale, y * scale);
    drawings_.push_back([qfont, top, line = ToQString(text)](QPainter& painter) {
        painter.setFont(qfont);
        const QFontMetricsF metrics(painter.font(), painter.device());
        painter.drawText(top + QPointF(0, metrics.ascent()), line);
    });
}

void QtPageDevice::Image(const Picture& picture, int x, int y, int width, int height) {
    const QImage image(ToQString(picture.path));
    if (image.isNull()) {
        throw PrintError("Impossible de lire l'image \"" + picture.path + "\".");
    }
    const double scale = Scale();
    const QRectF target(x * scale, y * scale, width * scale, height * scale);
    drawings_.push_back([image, target](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image);
    });
}

void QtPageDevice::QrCode(const std::string& text, int x, int y, int side) {
    auto matrix = std::make_shared<const QrMatrix>(text);
    const double scale = Scale();
    const QRectF square(x * scale, y * scale, side * scale, side * scale);
    drawings_.push_back(
        [matrix, square](QPainter& painter) { DrawQrCode(painter, *matrix, square); });
}

void QtPageDevice::End() {
    if (ended_) {
        return;
    }
    Paint();
    ended_ = true;
}

void QtPageDevice::Paint() {
    QPainter painter;
    if (!painter.begin(device_.get())) {
        throw PrintError(FailureReason());
    }
    for (const Drawing& drawing : drawings_) {
        drawing(painter);
    }
    const bool painted = painter.end();
    if (!painted || (printer_ != nullptr && printer_->printerState() == QPrinter::Error)) {
        throw PrintError(FailureReason());
    }
}

std::string QtPageDevice::FailureReason() const {
    if (printer_ != nullptr) {
        return "L'imprimante \"" + ToStd(printer_->printerName()) +
               "\" n'a pas pu imprimer le document.";
    }
    return "Impossible d'écrire le fichier \"" + pdfPath_ + "\".";
}

}  // namespace vantor
