#include "gui/Fonts.h"

#include <QApplication>
#include <algorithm>

#include "gui/Convert.h"
#include "gui/QtSession.h"

namespace vantor {
namespace {

const char* const kFixedPitchFamilies[] = {"Courier New", "Courier", "Lucida Console"};

bool IsFixedPitch(const std::string& family) {
    return std::any_of(std::begin(kFixedPitchFamilies), std::end(kFixedPitchFamilies),
                       [&family](const char* fixed) { return family == fixed; });
}

bool IsDefaultSans(const std::string& family) {
    return family.empty() || family == "MS Sans Serif";
}

QFont MakeFont(const std::string& family, int points, bool bold, double pixelsPerTwip) {
    QFont font = IsDefaultSans(family) ? QApplication::font() : QFont(ToQString(family));
    if (IsFixedPitch(family)) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    font.setPixelSize(std::max(1, qRound(points * 20 * pixelsPerTwip)));
    font.setBold(bold);
    return font;
}

}  // namespace

void InstallFontSubstitutes() {
    static const bool installed = [] {
        const QStringList fixedPitch{"Liberation Mono", "DejaVu Sans Mono", "Noto Mono",
                                     "Nimbus Mono PS"};
        for (const char* family : kFixedPitchFamilies) {
            QFont::insertSubstitutions(family, fixedPitch);
        }
        QFont::insertSubstitution("MS Sans Serif", QApplication::font().family());
        return true;
    }();
    (void)installed;
}

QFont ControlFont(const std::string& family, int points, bool bold, double pixelsPerTwip) {
    InstallFontSubstitutes();
    auto& made = QtSession::Current().fonts;
    const std::tuple key{family, points, bold, pixelsPerTwip};
    auto found = made.find(key);
    if (found == made.end()) {
        found = made.emplace(key, MakeFont(family, points, bold, pixelsPerTwip)).first;
    }
    return found->second;
}

}  // namespace vantor
