#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QVector>

// What a command prints, as data: named values and tables of rows. Every value is held
// twice, as JSON (numbers as numbers) and as the text an aligned table or a spreadsheet
// shows, so that one report feeds every output format.

struct ReportValue {
    QJsonValue json;
    QString text;
};

ReportValue textValue(const QString& text);
ReportValue integerValue(qint64 value);
// A measurement rounded to `decimals`, shown with exactly that many.
ReportValue numberValue(double value, int decimals);
ReportValue boolValue(bool value);
// A list of texts: a JSON array, shown joined by "; " (or `whenEmpty` without any).
ReportValue listValue(const QStringList& texts, const QString& whenEmpty = QString());

struct ReportField {
    QString key; // snake_case, stable: the JSON and CSV name
    QString label;
    ReportValue value;
};

struct ReportColumn {
    QString key;
    QString label;
};

struct ReportTable {
    QString key;
    QString title;
    QVector<ReportColumn> columns;
    QVector<QVector<ReportValue>> rows; // one value per column
};

struct Report {
    QVector<ReportField> fields;
    QVector<ReportTable> tables;

    void add(const QString& key, const QString& label, const ReportValue& value) {
        fields.append({key, label, value});
    }
    ReportTable& addTable(const QString& key, const QString& title,
                          const QVector<ReportColumn>& columns) {
        tables.append({key, title, columns, {}});
        return tables.last();
    }
};

// A stable snake_case key for a column label: units in parentheses dropped, every run of
// other characters than letters and digits one "_" ("Bat_V (V)" gives "bat_v").
QString snakeKey(const QString& label);
