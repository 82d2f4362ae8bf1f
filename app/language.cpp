#include "app/language.h"

#include "app/usersettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {

const char languageKey[] = "Interface/Language";

bool known(const QString& code) {
    for (const Language& language : languages()) {
        if (language.code == code)
            return true;
    }
    return false;
}

} // namespace

QVector<Language> languages() {
    return {{QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("zh_CN"), QStringLiteral("简体中文")}};
}

QString preferredLanguage() {
    const QString stored = voltaroUserSettings().value(QLatin1String(languageKey)).toString();
    if (known(stored))
        return stored;
    return QLocale::system().language() == QLocale::Chinese ? QStringLiteral("zh_CN")
                                                            : QStringLiteral("en");
}

void rememberLanguage(const QString& code) {
    voltaroUserSettings().setValue(QLatin1String(languageKey), code);
    voltaroUserSettings().sync();
}

static void initCatalogues() {
    Q_INIT_RESOURCE(translations);
}

bool installLanguage(const QString& code) {
    initCatalogues();
    // The tool's catalogue, and Qt's own for the standard buttons and dialogs when present.
    static QTranslator tool;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&tool);
    QCoreApplication::removeTranslator(&qt);
    if (!known(code) || !tool.load(QStringLiteral(":/i18n/voltaro_%1.qm").arg(code)))
        return false;
    QCoreApplication::installTranslator(&tool);
    if (qt.load(QStringLiteral("qtbase_%1").arg(code),
                QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}
