#include "gui/PdfFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "gui/Convert.h"

namespace vantor {
namespace {

QDir MadeFolder(const std::string& folder) {
    const QDir dir(ToQString(folder));
    if (!dir.mkpath(".")) {
        throw PrintError("Impossible de créer le dossier \"" + folder + "\".");
    }
    return dir;
}

// A printer's name as part of a file name.
QString FileNamePart(const std::string& printer) {
    QString part = ToQString(printer);
    for (QChar& c : part) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) {
            c = u'_';
        }
    }
    return part;
}

}  // namespace

std::unique_ptr<QtPageDevice> DatedPdfFile(const std::string& folder, const DateTime& now) {
    const QDir dir = MadeFolder(folder);
    const QString stamp = QDateTime(QDate(now.date.year, now.date.month, now.date.day),
                                    QTime(now.time.hour, now.time.minute, now.time.second))
                              .toString("yyyy-MM-dd_HH-mm-ss");
    for (int number = 1;; ++number) {
        const QString path = dir.filePath(QStringLiteral("%1_%2.pdf").arg(stamp).arg(number));
        if (!QFileInfo::exists(path)) {
            return QtPageDevice::ForPdfFile(ToStd(path));
        }
    }
}

PdfDeviceFactory NumberedPdfFiles(const std::string& folder) {
    return [folder, count = 0](const std::string& printer) mutable -> std::unique_ptr<PageDevice> {
        const QDir dir = MadeFolder(folder);
        const QString name =
            QStringLiteral("%1-%2.pdf").arg(++count, 3, 10, QChar(u'0')).arg(FileNamePart(printer));
        return QtPageDevice::ForPdfFile(ToStd(dir.filePath(name)));
    };
}

}  // namespace vantor
