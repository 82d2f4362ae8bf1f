#include "history/codetables.h"

QString joinSetBits(quint16 word, const BitTexts& texts) {
    QString joined;
    for (int bit = 0; bit < 16; ++bit)
        if (word & (1u << bit))
            joined += QString::fromUtf8(texts[bit]);
    return joined;
}

QString binaryWord(quint16 word) {
    return QStringLiteral("%1").arg(word, 16, 2, QLatin1Char('0'));
}

QString tenthsText(int tenths, int decimals) {
    return QString::number(tenths / 10.0, 'f', decimals);
}

QString versionText(int major, int minor) {
    return QStringLiteral("V%1.%2").arg(major).arg(minor);
}
