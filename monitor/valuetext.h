#pragma once

#include <QString>

// Texts the displays build from register values.

// "V%1.%2"-style version text: major and minor byte in decimal, no leading zeros.
inline QString versionText(const QString& format, int major, int minor) {
    return format.arg(major).arg(minor);
}

// A bit word as binary digits, most significant bit first, zero-padded to the width.
inline QString binaryText(quint32 value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 2, QLatin1Char('0'));
}

// A raw register value in hundredths (or tenths) written with two (or one) decimals.
inline QString scaledText(int raw, int divisor, int decimals) {
    return QString::number(raw / double(divisor), 'f', decimals);
}

// NUL-terminated text field of a register block.
inline QString fieldText(const QByteArray& field) {
    const int end = field.indexOf('\0');
    return QString::fromLatin1(end < 0 ? field : field.left(end));
}
