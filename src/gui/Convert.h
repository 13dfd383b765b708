#pragma once

#include <QColor>
#include <QDate>
#include <QString>
#include <string>

#include "platform/Control.h"
#include "platform/DateTime.h"

namespace vantor {

// The model's texts are UTF-8.
inline QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ToStd(const QString& text) {
    return text.toStdString();
}

QColor ToQColor(Color color);
QDate ToQDate(const Date& date);
Date FromQDate(const QDate& date);

// A caption as the toolkit shows it on a control that has no shortcut of its
// own: "&&" is a literal "&", a single "&" marks the next letter and is dropped.
QString WithoutMnemonic(const QString& caption);

}  // namespace vantor
