#include "platform/qt/Fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <algorithm>
#include <map>
#include <tuple>

#include "platform/qt/Convert.h"

namespace vantor {
namespace {

bool IsFixedPitch(const std::string& family) {
    return family == "Courier New" || family == "Courier" || family == "Lucida Console";
}

QString FixedPitchFamily() {
    for (const char* candidate : {"Courier New", "Liberation Mono", "DejaVu Sans Mono"}) {
        if (QFontDatabase::hasFamily(candidate)) {
            return candidate;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

QString FindFamily(const std::string& family) {
    if (IsFixedPitch(family)) {
        return FixedPitchFamily();
    }
    if (family.empty() || family == "MS Sans Serif" ||
        !QFontDatabase::hasFamily(ToQString(family))) {
        return QApplication::font().family();
    }
    return ToQString(family);
}

}  // namespace

void InstallFontSubstitutes() {
    static const bool installed = [] {
        QFont::insertSubstitution("Courier New", FixedPitchFamily());
        QFont::insertSubstitution("MS Sans Serif", QApplication::font().family());
        return true;
    }();
    (void)installed;
}

QString SubstituteFamily(const std::string& family) {
    static std::map<std::string, QString> known;
    auto found = known.find(family);
    if (found == known.end()) {
        found = known.emplace(family, FindFamily(family)).first;
    }
    return found->second;
}

QFont ControlFont(const std::string& family, int points, bool bold, double pixelsPerTwip) {
    using Key = std::tuple<std::string, int, bool, double>;
    static std::map<Key, QFont> made;
    Key key{family, points, bold, pixelsPerTwip};
    auto found = made.find(key);
    if (found != made.end()) {
        return found->second;
    }
    QFont font(SubstituteFamily(family));
    if (IsFixedPitch(family)) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    font.setPixelSize(std::max(1, qRound(points * 20 * pixelsPerTwip)));
    font.setBold(bold);
    made.emplace(key, font);
    return font;
}

}  // namespace vantor
