#include "shared/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace quillax {

QString Settings::configFile() {
    const QString named = qEnvironmentVariable("QUILLAX_CONFIG");
    if (!named.isEmpty())
        return QFileInfo::exists(named) ? named : QString();
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + "/.config";
    for (const QString& candidate :
         {configHome + "/Quillax/Quillax.conf", QStringLiteral("/etc/xdg/Quillax/Quillax.conf")}) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

QString Settings::value(const QString& key) {
    const QString file = configFile();
    if (file.isEmpty())
        return {};
    QSettings ini(file, QSettings::IniFormat);
    ini.beginGroup("Quillax");
    return ini.value(key).toString();
}

QString Settings::location() {
    return value("Location");
}

QString Settings::installFolder() {
    QString folder = location();
    if (folder.isEmpty()) {
        QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
        if (dataHome.isEmpty())
            dataHome = QDir::homePath() + "/.local/share";
        folder = dataHome + "/Quillax/";
    }
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

QString Settings::editorName() {
    return value("MEditor");
}

} // namespace quillax
