#pragma once

// Helpers shared by the fuzz targets: taking Qt values out of the fuzzer's bytes, and
// stopping with a message when a property that must hold for every input does not.

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

// Ends the run as a crash, so that libFuzzer keeps the input that broke the property.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

inline QByteArray takeBytes(FuzzedDataProvider& input, std::size_t maxSize) {
    const std::string bytes = input.ConsumeRandomLengthString(maxSize);
    return QByteArray(bytes.data(), int(bytes.size()));
}

inline QByteArray takeRest(FuzzedDataProvider& input) {
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    return QByteArray(bytes.data(), int(bytes.size()));
}

// Text as a user or a file might give it: the bytes read as UTF-8 (invalid sequences
// become replacement characters, as they do when the tool reads them).
inline QString takeText(FuzzedDataProvider& input, std::size_t maxSize) {
    return QString::fromUtf8(takeBytes(input, maxSize));
}

// Up to maxCount texts, each up to maxSize bytes.
inline QStringList takeTexts(FuzzedDataProvider& input, int maxCount, std::size_t maxSize) {
    QStringList texts;
    const int count = input.ConsumeIntegralInRange(0, maxCount);
    for (int i = 0; i < count && input.remaining_bytes() > 0; ++i)
        texts << takeText(input, maxSize);
    return texts;
}

// One of the given texts, or (when the input says so) an arbitrary one, so that both the
// values the tool knows and everything else are tried.
template <std::size_t N>
QString takeKnownOrAny(FuzzedDataProvider& input, const char* const (&known)[N]) {
    const std::size_t pick = input.ConsumeIntegralInRange<std::size_t>(0, N);
    return pick < N ? QString::fromUtf8(known[pick]) : takeText(input, 24);
}
