#include "app/settings.h"

#include "app/passwordcodec.h"

#include <QFileInfo>
#include <QSettings>
#include <QUrl>

QStringList roleNames() {
    return {QStringLiteral("installer"), QStringLiteral("service_partner"),
            QStringLiteral("inverter_partner"), QStringLiteral("admin")};
}

AppSettings AppSettings::load(const QString& path) {
    AppSettings settings;
    QSettings ini(path, QSettings::IniFormat);

    ini.beginGroup(QStringLiteral("B"));
    for (int key = 1; key <= 4; ++key)
        settings.storedPasswords
            << ini.value(QString::number(key), QStringLiteral("null")).toString();
    ini.endGroup();

    ini.beginGroup(QStringLiteral("Link"));
    settings.bmuHost = ini.value(QStringLiteral("Host"), settings.bmuHost).toString();
    settings.bmuPort = quint16(ini.value(QStringLiteral("Port"), settings.bmuPort).toUInt());
    ini.endGroup();

    UpdateServer& server = settings.updateServer;
    ini.beginGroup(QStringLiteral("Update"));
    server.host = ini.value(QStringLiteral("Host"), server.host).toString();
    server.port = quint16(ini.value(QStringLiteral("Port"), server.port).toUInt());
    server.user = ini.value(QStringLiteral("User"), server.user).toString();
    server.password = ini.value(QStringLiteral("Password"), server.password).toString();
    server.watchdogMs = ini.value(QStringLiteral("WatchdogMs"), server.watchdogMs).toInt();
    ini.endGroup();
    return settings;
}

bool storeRolePassword(const QString& role, const QString& password, const QString& path) {
    const int index = roleNames().indexOf(role);
    if (index < 0)
        return false;
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(QStringLiteral("B/%1").arg(index + 1), encodeStoredPassword(password));
    ini.sync();
    return ini.status() == QSettings::NoError && QFileInfo(path).isFile();
}

bool parseEndpoint(const QString& text, QString* host, quint16* port) {
    const QString trimmed = text.trimmed();
    const int colon = trimmed.lastIndexOf(QLatin1Char(':'));
    QString hostPart = colon < 0 ? trimmed : trimmed.left(colon);
    if (hostPart.isEmpty())
        return false;
    if (colon >= 0) {
        bool ok = false;
        const uint value = trimmed.mid(colon + 1).toUInt(&ok);
        if (!ok || value == 0 || value > 65535)
            return false;
        *port = quint16(value);
    }
    *host = hostPart;
    return true;
}

bool parseUpdateServerUrl(const QString& text, UpdateServer* server) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("ftp") || url.host().isEmpty())
        return false;
    server->host = url.host();
    server->port = quint16(url.port(21));
    return true;
}
