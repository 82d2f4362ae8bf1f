#include "cli/report.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>

ReportValue textValue(const QString& text) {
    return {QJsonValue(text), text};
}

ReportValue integerValue(qint64 value) {
    return {QJsonValue(value), QString::number(value)};
}

ReportValue numberValue(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return {QJsonValue(rounded), QString::number(rounded, 'f', decimals)};
}

ReportValue boolValue(bool value) {
    return {QJsonValue(value), value ? QStringLiteral("yes") : QStringLiteral("no")};
}

ReportValue listValue(const QStringList& texts, const QString& whenEmpty) {
    return {QJsonArray::fromStringList(texts),
            texts.isEmpty() ? whenEmpty : texts.join(QStringLiteral("; "))};
}

QString snakeKey(const QString& label) {
    static const QRegularExpression units(QStringLiteral("\\([^)]*\\)"));
    static const QRegularExpression separators(QStringLiteral("[^a-z0-9]+"));
    QString key = label;
    key.remove(units);
    key = key.toLower().replace(separators, QStringLiteral("_"));
    while (key.startsWith(QLatin1Char('_')))
        key.remove(0, 1);
    while (key.endsWith(QLatin1Char('_')))
        key.chop(1);
    return key;
}
