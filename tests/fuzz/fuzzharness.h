#pragma once

// What the fuzz surfaces share: one executable holds them all and runs the one its name
// (fuzz_<surface>, a link to it) or VOLTARO_FUZZ_SURFACE names; taking Qt values out of the
// fuzzer's bytes; stopping when a property that must hold for every input does not.

#include <fuzzer/FuzzedDataProvider.h>

#include "files/sheetrows.h"
#include "link/bytes.h"
#include "link/crc.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

// Ends the run as a crash, so that libFuzzer keeps the input that broke the property.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// A surface takes the input both ways: read piecewise, or as the whole bytes.
using FuzzSurface = void (*)(FuzzedDataProvider& input, const QByteArray& bytes);

inline std::map<std::string, FuzzSurface>& fuzzSurfaces() {
    static std::map<std::string, FuzzSurface> surfaces;
    return surfaces;
}

// FUZZ_SURFACE(name) { body }: defines the surface and enters it in the table.
#define FUZZ_SURFACE(name)                                                                         \
    void name##Surface([[maybe_unused]] FuzzedDataProvider& input,                                 \
                       [[maybe_unused]] const QByteArray& bytes);                                  \
    static const bool name##Entered = (fuzzSurfaces()[#name] = name##Surface, true);               \
    void name##Surface([[maybe_unused]] FuzzedDataProvider& input,                                 \
                       [[maybe_unused]] const QByteArray& bytes)

// Writes the seed corpus (fuzzseeds.cpp); a seed that cannot be written ends the program.
void writeSeeds(const QString& outputFolder, const QString& fixturesFolder);

// The parts of an xlsx package that the reader looks at. An xlsxparts input holds their
// contents in this order, separated by the byte 0x1E, which XML text cannot contain.
inline const char* const xlsxPartNames[] = {
    "_rels/.rels",          "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
    "xl/sharedStrings.xml", "xl/styles.xml",   "xl/worksheets/sheet1.xml",
};
constexpr char xlsxPartSeparator = '\x1E';

inline QByteArray takeBytes(FuzzedDataProvider& input, std::size_t maxSize) {
    const std::string taken = input.ConsumeRandomLengthString(maxSize);
    return QByteArray(taken.data(), int(taken.size()));
}

inline QByteArray takeRest(FuzzedDataProvider& input) {
    const std::string taken = input.ConsumeRemainingBytesAsString();
    return QByteArray(taken.data(), int(taken.size()));
}

// Text as a user or a file might give it: invalid UTF-8 becomes replacement characters,
// as it does when the tool reads it.
inline QString takeText(FuzzedDataProvider& input, std::size_t maxSize) {
    return QString::fromUtf8(takeBytes(input, maxSize));
}

// One of the given texts or (when the input says so) an arbitrary one, so that both the
// values the tool knows and everything else are tried.
template <std::size_t N>
QString takeKnownOrAny(FuzzedDataProvider& input, const char* const (&known)[N]) {
    const std::size_t pick = input.ConsumeIntegralInRange<std::size_t>(0, N);
    return pick < N ? QString::fromUtf8(known[pick]) : takeText(input, 24);
}

inline QByteArray withCrc(QByteArray frame) {
    const quint16 crc = modbusCrc16(frame);
    return frame.append(char(crc & 0xFF)).append(char(crc >> 8));
}

inline bool crcIsValid(const QByteArray& frame) {
    return frame.size() > 2 &&
           modbusCrc16(frame.left(frame.size() - 2)) == wordLE(frame, frame.size() - 2);
}

// A 0x03 reply of `registers` registers whose values are the next input bytes (zero once
// the input is used up). Most decoders act only on replies of the right length, so a
// surface asks for that shape often and for arbitrary bytes otherwise.
inline QByteArray readReplyFrom(FuzzedDataProvider& input, int registers) {
    const QByteArray values = takeBytes(input, std::size_t(registers) * 2);
    return withCrc(QByteArray::fromHex("0103") + char(registers * 2) +
                   values.leftJustified(registers * 2, '\0'));
}

// The readers open files by path: each input goes to a file in a folder of the run.
inline QString writeScratchFile(const QString& name, const QByteArray& content) {
    static QTemporaryDir folder;
    QFile file(folder.filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
    return file.fileName();
}

// What every read of a sheet promises: rows or an error text, the rows a rectangle
// within the size the readers accept.
inline void checkSheet(const SheetReadResult& result) {
    FUZZ_REQUIRE(result.ok() || result.rows.isEmpty());
    const int width = result.rows.isEmpty() ? 0 : result.rows.first().size();
    FUZZ_REQUIRE(qint64(width) * result.rows.size() <= UsedRangeBuilder::maxCells);
    for (const QStringList& row : result.rows)
        FUZZ_REQUIRE(row.size() == width);
}
