#include "qtsettingsstore.h"

#include "host/filesafety.h"

#include <QStandardPaths>
#include <cstdio>

namespace sequate::app {

QString QtSettingsStore::fileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Sequate/Sequate.conf");
}

// The file named, not the organization's: Qt would also read the organization's and the system's
// files, each of them one more that could be a FIFO, and Sequate keeps nothing in them.
QtSettingsStore::QtSettingsStore() {
    const QString file = fileName();
    if (const auto other = host::notARegularFile(file.toStdString())) {
        std::fprintf(stderr, "%s: %s stands there; options are not remembered\n",
                     file.toLocal8Bit().constData(), other->c_str());
        return;
    }
    mSettings = std::make_unique<QSettings>(file, QSettings::IniFormat);
}

std::optional<std::string> QtSettingsStore::read(const std::string& key) const {
    const QString name = QString::fromStdString(key);
    if (!mSettings || !mSettings->contains(name))
        return std::nullopt;
    return mSettings->value(name).toString().toStdString();
}

// At once: the program ends right after the options are remembered.
void QtSettingsStore::write(const std::string& key, const std::string& value) {
    if (!mSettings)
        return;
    mSettings->setValue(QString::fromStdString(key), QString::fromStdString(value));
    mSettings->sync();
}

} // namespace sequate::app
