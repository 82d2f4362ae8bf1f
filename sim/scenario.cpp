#include "sim/scenario.h"

#include "sim/bmudevice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cctype>
#include <functional>

namespace {

// A number written as a JSON number, as decimal text or as "0x" hex text.
bool toNumber(const QJsonValue& value, int limit, int* number) {
    bool ok = false;
    int n = -1;
    if (value.isDouble()) {
        const double d = value.toDouble();
        ok = d == double(int(d));
        n = int(d);
    } else if (value.isString()) {
        const QString text = value.toString().trimmed();
        n = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toInt(&ok, 16)
                                                                      : text.toInt(&ok, 10);
    }
    if (!ok || n < 0 || n > limit)
        return false;
    *number = n;
    return true;
}

QByteArray fromHexText(const QString& text, bool* ok) {
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    *ok = digits.size() % 2 == 0 &&
          std::all_of(digits.begin(), digits.end(), [](QChar c) { return isxdigit(c.toLatin1()); });
    return QByteArray::fromHex(digits.toLatin1());
}

} // namespace

bool applyScenario(const QByteArray& json, BmuDevice& device, QString* error) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    if (!document.isObject())
        return fail(parseError.error != QJsonParseError::NoError
                        ? parseError.errorString()
                        : QStringLiteral("not a JSON object"));
    const QJsonObject root = document.object();

    // Everything is checked first and applied at the end, so a bad file changes nothing.
    QVector<std::function<void()>> changes;

    const QJsonObject registers = root.value(QLatin1String("registers")).toObject();
    for (auto it = registers.begin(); it != registers.end(); ++it) {
        int address = 0;
        int value = 0;
        if (!toNumber(QJsonValue(it.key()), 0xFFFF, &address))
            return fail(
                QStringLiteral("register address \"%1\" is not a 16-bit number").arg(it.key()));
        if (!toNumber(it.value(), 0xFFFF, &value))
            return fail(
                QStringLiteral("value of register %1 is not a 16-bit number").arg(it.key()));
        changes <<
            [&device, address, value] { device.setRegister(quint16(address), quint16(value)); };
    }

    const QJsonArray patches = root.value(QLatin1String("bms")).toArray();
    for (const QJsonValue& entry : patches) {
        const QJsonObject patch = entry.toObject();
        int bms = 0;
        int offset = 0;
        bool ok = false;
        const QByteArray bytes = fromHexText(patch.value(QLatin1String("hex")).toString(), &ok);
        if (!toNumber(patch.value(QLatin1String("number")), device.profile().bmsCount, &bms) ||
            bms < 1)
            return fail(QStringLiteral("\"bms\" entry without a BMS number of this system"));
        if (!toNumber(patch.value(QLatin1String("offset")), BmsBlock::Size - 1, &offset) || !ok ||
            offset + bytes.size() > BmsBlock::Size)
            return fail(
                QStringLiteral("\"bms\" entry whose offset and hex bytes do not fit the block"));
        changes << [&device, bms, offset, bytes] { device.setBmsBytes(bms, offset, bytes); };
    }

    const QJsonObject history = root.value(QLatin1String("history")).toObject();
    for (auto it = history.begin(); it != history.end(); ++it) {
        int selector = 0;
        if (!toNumber(QJsonValue(it.key()), device.profile().bmsCount, &selector))
            return fail(
                QStringLiteral("history log \"%1\" is not 0 (BMU) or a BMS number").arg(it.key()));
        QVector<QByteArray> records;
        for (const QJsonValue& text : it.value().toArray()) {
            bool ok = false;
            const QByteArray record = fromHexText(text.toString(), &ok);
            if (!ok || record.size() != HistoryRecord::Size)
                return fail(QStringLiteral("history record \"%1\" is not 30 bytes of hex")
                                .arg(text.toString()));
            records << record;
        }
        changes << [&device, selector, records] { device.setHistoryRecords(selector, records); };
    }

    for (const auto& change : changes)
        change();
    return true;
}
