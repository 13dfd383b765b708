#include "gui/Convert.h"

namespace vantor {

QColor ToQColor(Color color) {
    return QColor(static_cast<int>((color >> 16) & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>(color & 0xFF));
}

QDate ToQDate(const Date& date) {
    return QDate(date.year, date.month, date.day);
}

Date FromQDate(const QDate& date) {
    return Date{date.year(), date.month(), date.day()};
}

QString WithoutMnemonic(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        shown.append(caption[i]);
    }
    return shown;
}

}  // namespace vantor
