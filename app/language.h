#pragma once

#include <QString>
#include <QVector>

// The languages of the interface: English (the source texts, with an English wording for
// the few that are Chinese only) and Simplified Chinese.
struct Language {
    QString code; // "en" or "zh_CN", the suffix of the catalogue voltaro_<code>.qm
    QString name; // in its own language, as the login window lists it
};

QVector<Language> languages();

// The language this user chose last, else the one of the system locale.
QString preferredLanguage();
void rememberLanguage(const QString& code);

// Replaces the installed catalogue with the one of `code`; false if it cannot be loaded.
bool installLanguage(const QString& code);
