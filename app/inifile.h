#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Config.ini read and written as an administrator edits it. "[Group]" lines open a group,
// "Key=Value" lines set a value, lines starting with ";" or "#" are comments. A value is
// everything after the first "=", blanks around it dropped, and an inline comment
// (a ";" after a blank) cut off; commas, "#" and ";" inside it are kept. A value in double
// quotes is taken literally up to the closing quote, \" and \\ standing for " and \.
//
// Writing changes one line and keeps every other line byte for byte, and quotes a value
// that would otherwise not read back as it is.
class IniFile {
public:
    // The lines of the file at path; none for a missing file. error is set when the file
    // exists but cannot be read.
    static IniFile load(const QString& path, QString* error = nullptr);

    // The value of key in group; none when the key is missing. When the key appears more
    // than once in its group, the last one counts.
    std::optional<QString> value(const QString& group, const QString& key) const;

    // Sets key in group, replacing its last line or adding a line (and the group) if none.
    void setValue(const QString& group, const QString& key, const QString& value);

    // Writes the lines back, whole or not at all; returns the reason on failure.
    QString save(const QString& path) const;

    // The text a one-line value is written as: as it is, or quoted when it holds blanks at
    // either end or one of ; # , " \ (so that it reads back exactly, here and elsewhere).
    static QString valueText(const QString& value);

private:
    struct Entry {
        int line = -1; // index into lines
        QString value;
    };
    std::optional<Entry> find(const QString& group, const QString& key) const;

    QStringList lines;
    QString lineEnd = QStringLiteral("\n"); // as the file had it
    bool endsWithLineEnd = true;
};
