#include "app/usersettings.h"

#include <QSettings>

QSettings& voltaroUserSettings() {
    static QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Voltaro"),
                              QStringLiteral("voltaro"));
    return settings;
}
