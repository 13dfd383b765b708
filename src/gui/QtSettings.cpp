#include "gui/QtSettings.h"

#include <QSettings>

#include "gui/Convert.h"

namespace vantor {
namespace {

constexpr const char* kOrganisation = "Telvora";
constexpr const char* kApplication = "VantorW";

}  // namespace

std::string QtSettings::Read(const std::string& key) {
    QSettings settings(kOrganisation, kApplication);
    return ToStd(settings.value(ToQString(key)).toString());
}

bool QtSettings::Write(const std::string& key, const std::string& value) {
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(ToQString(key), ToQString(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace vantor
