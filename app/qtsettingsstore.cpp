#include "qtsettingsstore.h"

namespace sequate::app {

QtSettingsStore::QtSettingsStore()
    : mSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Sequate"),
                QStringLiteral("Sequate")) {}

std::optional<std::string> QtSettingsStore::read(const std::string& key) const {
    const QString name = QString::fromStdString(key);
    if (!mSettings.contains(name))
        return std::nullopt;
    return mSettings.value(name).toString().toStdString();
}

// At once: the program ends right after the options are remembered.
void QtSettingsStore::write(const std::string& key, const std::string& value) {
    mSettings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    mSettings.sync();
}

} // namespace sequate::app
