#include "history/codetables.h"

#include <QCoreApplication>

QString historyText(const char* text) {
    if (!*text)
        return {};
    return QCoreApplication::translate("History", text);
}

QString joinSetBits(quint16 word, const BitTexts& texts) {
    QString joined;
    for (int bit = 0; bit < 16; ++bit)
        if (word & (1u << bit))
            joined += historyText(texts[bit]);
    return joined;
}
