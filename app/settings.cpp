#include "app/settings.h"

#include "app/inifile.h"
#include "app/passwordcodec.h"

#include <QUrl>

QStringList roleNames() {
    return {QStringLiteral("installer"), QStringLiteral("service_partner"),
            QStringLiteral("inverter_partner"), QStringLiteral("admin")};
}

namespace {

const char passwordGroup[] = "B";

// Reads the values of one group into settings, each checked; what does not fit becomes a
// warning and leaves the default.
class GroupReader {
public:
    GroupReader(const IniFile& ini, const char* group, QStringList* warnings)
        : ini(ini)
        , group(QLatin1String(group))
        , warnings(warnings) {}

    void text(const char* key, QString* value) {
        const std::optional<QString> found = ini.value(group, QLatin1String(key));
        if (!found)
            return;
        if (found->isEmpty())
            return warn(key, *found, QStringLiteral("is empty"), *value);
        *value = *found;
    }

    // Text as written, an empty one included (an account without a password).
    void anyText(const char* key, QString* value) {
        *value = ini.value(group, QLatin1String(key)).value_or(*value);
    }

    void number(const char* key, int low, int high, int* value) {
        const std::optional<QString> found = ini.value(group, QLatin1String(key));
        if (!found)
            return;
        bool ok = false;
        const qlonglong number = found->toLongLong(&ok);
        if (!ok || number < low || number > high)
            return warn(key, *found,
                        QStringLiteral("is not a number from %1 to %2").arg(low).arg(high),
                        QString::number(*value));
        *value = int(number);
    }

    void port(const char* key, quint16* value) {
        int wide = *value;
        number(key, 1, 65535, &wide);
        *value = quint16(wide);
    }

private:
    void warn(const char* key, const QString& found, const QString& problem,
              const QString& fallback) {
        *warnings << QStringLiteral("Config.ini: [%1] %2=%3 %4; using %5.")
                         .arg(group, QLatin1String(key), found, problem, fallback);
    }

    const IniFile& ini;
    const QString group;
    QStringList* warnings;
};

} // namespace

AppSettings AppSettings::load(const QString& path) {
    AppSettings settings;
    QString error;
    const IniFile ini = IniFile::load(path, &error);
    if (!error.isEmpty())
        settings.warnings
            << QStringLiteral("%1 cannot be read (%2); the defaults are used.").arg(path, error);

    const QStringList roles = roleNames();
    for (int key = 1; key <= roles.size(); ++key) {
        const std::optional<QString> stored =
            ini.value(QLatin1String(passwordGroup), QString::number(key));
        if (stored && !readStoredPassword(*stored))
            settings.warnings << QStringLiteral("Config.ini: [B] %1 is not a stored password; "
                                                "the %2 cannot log in.")
                                     .arg(key)
                                     .arg(roles[key - 1]);
        settings.storedPasswords << stored;
    }

    GroupReader link(ini, "Link", &settings.warnings);
    link.text("Host", &settings.bmuHost);
    link.port("Port", &settings.bmuPort);

    UpdateServer& server = settings.updateServer;
    GroupReader update(ini, "Update", &settings.warnings);
    update.text("Host", &server.host);
    update.port("Port", &server.port);
    update.anyText("User", &server.user);
    update.anyText("Password", &server.password);
    // Below a second every download would count as stalled; above an hour none would.
    update.number("WatchdogMs", 1000, 3600000, &server.watchdogMs);
    return settings;
}

bool storeRolePassword(const QString& role, const QString& password, const QString& path,
                       QString* error) {
    const int index = roleNames().indexOf(role);
    if (index < 0) {
        if (error)
            *error = QStringLiteral("unknown role %1").arg(role);
        return false;
    }
    QString reason;
    IniFile ini = IniFile::load(path, &reason);
    if (reason.isEmpty()) {
        ini.setValue(QLatin1String(passwordGroup), QString::number(index + 1),
                     encodeStoredPassword(password));
        reason = ini.save(path);
    }
    if (error)
        *error = reason;
    return reason.isEmpty();
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
