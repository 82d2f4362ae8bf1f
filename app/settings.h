#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The role names, in the order of the login list and of the keys "1".."4" of Config.ini.
QStringList roleNames();

// The update server that firmware and parameter tables are downloaded from.
struct UpdateServer {
    QString host = QStringLiteral("update.voltaro.net");
    quint16 port = 21;
    QString user = QStringLiteral("dlfeed");
    QString password = QStringLiteral("Rk3VpQx#T7w");
    int watchdogMs = 20000; // a download that receives nothing for this long has stalled
};

// Deployment settings read from Config.ini in the current directory, with defaults.
//   [B]      1..4 = stored role passwords (installer, service partner, inverter partner, admin)
//   [Link]   Host, Port = the BMU endpoint
//   [Update] Host, Port, User, Password, WatchdogMs = the update server
// A value that is out of range or malformed keeps the default and adds a warning naming the
// key; the user and password are taken as written.
struct AppSettings {
    // The stored text of each role's password; none where the key is missing.
    QVector<std::optional<QString>> storedPasswords;
    QString bmuHost = QStringLiteral("192.168.4.1");
    quint16 bmuPort = 8080;
    UpdateServer updateServer;
    QStringList warnings; // for the user, one line each

    static QString fileName() { return QStringLiteral("Config.ini"); }
    static AppSettings load(const QString& path = fileName());
};

// Writes or replaces the stored password of one role ("installer", "service_partner",
// "inverter_partner" or "admin"), leaving every other line of the file as it was. Returns
// false for an unknown role or an unwritable file; error then says why.
bool storeRolePassword(const QString& role, const QString& password,
                       const QString& path = AppSettings::fileName(), QString* error = nullptr);

// Parses "HOST" or "HOST:PORT"; the port keeps its value when none is given.
bool parseEndpoint(const QString& text, QString* host, quint16* port);

// Parses "ftp://HOST" or "ftp://HOST:PORT" into the server's host and port.
bool parseUpdateServerUrl(const QString& text, UpdateServer* server);
