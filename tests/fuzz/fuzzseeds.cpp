// The seed corpus of the surfaces that a short run reaches deep only from a seed: replies
// of the simulated BMU, file names, a table file and the spreadsheet fixtures. (Records,
// firmware images, setup replies, BMS pages, text tables or a download index a run finds
// as fast on its own.) Each seed is laid out the way its surface takes its input apart.

#include "fuzzharness.h"

#include "files/compoundfile.h"
#include "files/spreadsheetreader.h"
#include "files/tableexport.h"
#include "files/tablepackage.h"
#include "firmware/tablefile.h"
#include "firmware/transferheader.h"
#include "link/catalogue.h"
#include "link/hexcommand.h"
#include "sim/bmudevice.h"

#include <unzip.h>

#include <QDir>

#include <cstdint>

namespace {

struct Integer {
    std::int64_t value, min, max; // as ConsumeIntegralInRange(min, max) takes it
};

// An input in the layout FuzzedDataProvider reads: from the front the strings, each with
// its backslashes doubled and closed by "\ ", then the remaining bytes; from the back the
// integers, the first one taken last, each in as many bytes as its range needs.
QByteArray seed(std::initializer_list<Integer> integers, QByteArrayList texts = {},
                const QByteArray& rest = {}) {
    QByteArray front;
    for (QByteArray& text : texts)
        front += text.replace('\\', "\\\\") + "\\ ";
    QByteArray back;
    for (const Integer& i : integers) {
        QByteArray bytes; // the most significant byte last
        for (int shift = 0; shift < 64 && (std::uint64_t(i.max - i.min) >> shift) > 0; shift += 8)
            bytes.append(char(std::uint64_t(i.value - i.min) >> shift));
        back.prepend(bytes);
    }
    return front + rest + back;
}

QDir outputRoot;

void writeSeed(const char* surface, const QString& name, const QByteArray& bytes) {
    const QString folder = QLatin1String("fuzz_") + QLatin1String(surface);
    outputRoot.mkpath(folder);
    QFile file(outputRoot.filePath(folder + QLatin1Char('/') + name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write seed %s/%s", surface, qPrintable(name));
}

// The replies of the simulated BMU to a refresh (0-2), a BMS information read (3-8) and a
// history read (9-15), in this order.
QVector<QByteArray> conversation(SystemPreset preset, quint16 historySelector) {
    BmuDevice device(preset, 7, QDateTime(QDate(2024, 5, 17), QTime(16, 42, 10)));
    device.setReadinessDelay(0);
    QStringList hex{Command::StatusFirst, Command::StatusSecond, Command::SetupRead,
                    bmsInfoRequest(1), Command::BmsInfoReadyPoll};
    for (int page = 0; page < 4; ++page)
        hex << Command::BmsInfoPage;
    hex << historyBlockRequest(historySelector) << Command::HistoryReadyPoll;
    for (int page = 0; page < 5; ++page)
        hex << Command::HistoryPage;
    QVector<QByteArray> replies;
    for (const ModbusRequest& request : RequestParser().feed(hexToBytes(hex.join(' '))))
        replies << device.handle(request);
    return replies;
}

void linkSeeds(const QString& name, SystemPreset preset) {
    const QVector<QByteArray> r = conversation(preset, 1);
    QByteArray stream;
    for (const QByteArray& reply : r)
        stream += reply;
    writeSeed("frameassembler", name + "-whole", seed({{0, 0, 12}}, {}, stream));
    // In segments: frames of a BMS information read with an exception reply among them,
    // and frames with garbage between them.
    writeSeed("frameassembler", name + "-segments",
              seed({{3, 0, 12}, {7, 1, 300}, {64, 1, 300}, {1, 1, 300}}, {},
                   r[3] + r[4] + r[5] + withCrc(QByteArray::fromHex("018302")) + r[15]));
    writeSeed("frameassembler", name + "-garbage",
              seed({{1, 0, 12}, {5, 1, 300}}, {}, "\x01\x03\xfa" + r[4] + "\xff\x01" + r[3]));
    writeSeed("statusblock", name,
              seed({{2, 1, 4}, {0, 0, 2}, {1, 0, 2}}, {r[0].mid(3, 204), r[1].mid(3, 50)}));

    const QByteArray serial(r[0].mid(6, 19).constData()); // up to its closing zero
    for (quint16 selector : {0, 1}) {
        const QVector<QByteArray> log = selector ? r : conversation(preset, selector);
        QByteArray block;
        for (int page = 11; page < 16; ++page)
            block += log[page].mid(5, page < 15 ? 128 : 88);
        writeSeed("historyblock", name + (selector ? "-bms-log" : "-bmu-log"),
                  seed({{3, 0, 3}}, {serial}, block));
    }
}

void firmwareSeeds() {
    const QByteArray names = "BMU-P3-3.12-B-3FA2.bin\nBMS-P3-3.13-A-0011.bin\n"
                             "BMU-P2-1.5-A-ABCD.BIN\nQPA-TAB-2-3.7.bin\nZRC-TAB-0-1.2.bin\nlog.txt";
    for (int type = 0; type < 6; ++type)
        writeSeed("firmwarenames", QStringLiteral("type-%1").arg(type),
                  seed({{type, 0, 6}, {type % 3, 0, 3}, {0, 0, 3}}, {}, names));
    QByteArray table(tableByteCount, '\0');
    table[TableLayout::MainVersionOffset] = 3;
    table[TableLayout::SubVersionOffset] = 7;
    writeSeed("tablefile", "qpa-table", seed({{0, 0, 6}}, {}, encodeTableFile(table)));
}

QByteArray xlsxAsParts(const QString& path) {
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    QByteArrayList parts;
    for (const char* name : xlsxPartNames) {
        QByteArray bytes;
        if (zip && unzLocateFile(zip, name, 2) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
            char buffer[4096];
            for (int got; (got = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0;)
                bytes.append(buffer, got);
            unzCloseCurrentFile(zip);
        }
        parts << bytes;
    }
    unzClose(zip);
    return parts.join(xlsxPartSeparator);
}

void fileSeeds(const QDir& fixtures) {
    for (const QString& name : fixtures.entryList({"*.xls", "*.xlsx"}, QDir::Files)) {
        const QString path = fixtures.filePath(name);
        const SheetReadResult sheet = readFirstWorksheet(path);
        if (!sheet.ok() || sheet.rows.isEmpty())
            qFatal("cannot read fixture %s: %s", qPrintable(path), qPrintable(sheet.error));
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        writeSeed("spreadsheetfile", name, bytes);
        const QByteArray text = tabSeparatedGb2312({sheet.rows.first(), sheet.rows.mid(1)});
        if (name.endsWith(QLatin1String(".xlsx")))
            writeSeed("xlsxparts", name, xlsxAsParts(path));
        const CompoundStream workbook = readCompoundStream(bytes, {"Workbook"});
        if (workbook.ok())
            writeSeed("xlsworkbook", name, workbook.bytes);
        if (name.startsWith(QLatin1String("history")))
            writeSeed("logtranslation", name,
                      seed({{name.contains("lv") ? 1 : 0, 0, 2}}, {}, text));
        else
            writeSeed("tablepackage", name, seed({{0, 0, 6}}, {}, text));
    }
}

} // namespace

void writeSeeds(const QString& outputFolder, const QString& fixturesFolder) {
    outputRoot = QDir(outputFolder);
    linkSeeds(QStringLiteral("hv"), SystemPreset::HighVoltage);
    linkSeeds(QStringLiteral("lv"), SystemPreset::LowVoltage);
    linkSeeds(QStringLiteral("qpa5"), SystemPreset::Qpa5);
    firmwareSeeds();
    fileSeeds(QDir(fixturesFolder));
}
