#include "history/codetables.h"

QString joinSetBits(quint16 word, const BitTexts& texts) {
    QString joined;
    for (int bit = 0; bit < 16; ++bit)
        if (word & (1u << bit))
            joined += QString::fromUtf8(texts[bit]);
    return joined;
}
