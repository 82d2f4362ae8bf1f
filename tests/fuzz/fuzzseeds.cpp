// Writes the seed corpus of every fuzz target: frames as the BMU sends them, history
// records, file names, table files and the spreadsheet fixtures.
//
//   voltaro_fuzz_seeds <output folder> <fixtures folder>
//
// Each seed is laid out the way its target takes its input apart (see seedinput.h), so
// that the fuzzer starts from inputs that reach deep into the decoders.

#include "seedinput.h"
#include "xlsxparts.h"

#include "files/compoundfile.h"
#include "files/spreadsheetreader.h"
#include "files/tableexport.h"
#include "firmware/tablefile.h"
#include "link/crc.h"

#include <unzip.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <climits>

namespace {

QDir outputRoot;

void writeSeed(const char* target, const QString& name, const QByteArray& bytes) {
    outputRoot.mkpath(QLatin1String(target));
    QFile file(outputRoot.filePath(QLatin1String(target) + QLatin1Char('/') + name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write seed %s/%s", target, qPrintable(name));
}

QByteArray withCrc(QByteArray frame) {
    const quint16 crc = modbusCrc16(frame);
    return frame.append(char(crc & 0xFF)).append(char(crc >> 8));
}

// Register bytes of a read reply: a counting pattern with the given text at `offset`.
QByteArray registerBytes(int registers, int offset = 0, const QByteArray& text = {}) {
    QByteArray bytes;
    for (int i = 0; i < registers * 2; ++i)
        bytes.append(char(i % 7 == 0 ? 0 : i * 13));
    return bytes.replace(offset, text.size(), text);
}

QByteArray readReply(const QByteArray& values) {
    return withCrc(QByteArray::fromHex("0103") + char(values.size()) + values);
}

// A history record: code, time stamp 2021-03-05 09:07:02, 23 data bytes.
QByteArray record(int code, const QByteArray& data) {
    return char(code) + QByteArray::fromHex("150305090702") + data.leftJustified(23, '\0', true);
}

QByteArray historyBlock(const QVector<int>& codes) {
    QByteArray block;
    for (int i = 0; i < 20; ++i)
        block += record(codes.value(i % codes.size()),
                        QByteArray::fromHex("0118000f0ce40c801e140fa05a630001020304050607"));
    return block;
}

QByteArray sheetAsText(const QString& path) {
    const SheetReadResult sheet = readFirstWorksheet(path);
    if (!sheet.ok() || sheet.rows.isEmpty())
        qFatal("cannot read fixture %s: %s", qPrintable(path), qPrintable(sheet.error));
    ExportTable table{sheet.rows.first(), sheet.rows.mid(1)};
    return tabSeparatedGb2312(table);
}

QByteArray xlsxAsParts(const QString& path) {
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip)
        qFatal("cannot open fixture %s", qPrintable(path));
    QList<QByteArray> parts;
    for (const char* name : XlsxParts::names) {
        QByteArray bytes;
        if (unzLocateFile(zip, name, 2) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
            char buffer[4096];
            int got = 0;
            while ((got = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
                bytes.append(buffer, got);
            unzCloseCurrentFile(zip);
        }
        parts << bytes;
    }
    unzClose(zip);
    return XlsxParts::join(parts);
}

void linkSeeds() {
    const QByteArray first = readReply(registerBytes(102, 0, "P03E012345678901234"));
    const QByteArray second = readReply(registerBytes(25));
    const QByteArray setup = readReply(QByteArray::fromHex("0a12010100 00"));
    const QByteArray ready = readReply(QByteArray::fromHex("8801"));
    const QByteArray page = readReply(registerBytes(65));
    const QByteArray echo = withCrc(QByteArray::fromHex("011005a00002"));
    const QByteArray exception = withCrc(QByteArray::fromHex("018302"));

    writeSeed("fuzz_frameassembler", "refresh-whole",
              SeedInput().integer(0, 0, 12).rest(first + second + setup).bytes());
    writeSeed("fuzz_frameassembler", "history-in-segments",
              SeedInput()
                  .integer(3, 0, 12)
                  .integer(7, 1, 300)
                  .integer(64, 1, 300)
                  .integer(1, 1, 300)
                  .rest(echo + ready + page + page + exception)
                  .bytes());
    writeSeed("fuzz_frameassembler", "garbage-between",
              SeedInput()
                  .integer(1, 0, 12)
                  .integer(5, 1, 300)
                  .rest("\x01\x03\xfa" + ready + "\xff\x01" + echo)
                  .bytes());

    writeSeed("fuzz_statusblock", "hv-refresh",
              SeedInput()
                  .integer(2, 1, 4)
                  .integer(0, 0, 2)
                  .text(first.mid(3, 204))
                  .integer(1, 0, 2)
                  .text(second.mid(3, 50))
                  .bytes());
    writeSeed("fuzz_statusblock", "lv-second-first",
              SeedInput()
                  .integer(2, 1, 4)
                  .integer(1, 0, 2)
                  .text(second.mid(3, 50))
                  .integer(0, 0, 2)
                  .text(registerBytes(102, 0, "P02A0000000000001"))
                  .bytes());

    for (bool hv : {true, false})
        writeSeed("fuzz_setupreply", hv ? "hv" : "lv",
                  SeedInput()
                      .flag(true)
                      .text(QByteArray::fromHex("0a1201010000"))
                      .flag(hv)
                      .text("SMA")
                      .text("5")
                      .integer(1, -2, 300)
                      .integer(1, -2, 300)
                      .integer(0, -2, 300)
                      .bytes());

    SeedInput bms;
    for (int page = 1; page <= 4; ++page)
        bms.integer(1, 0, 3).text(registerBytes(65, 66, "BMS0123456789"));
    writeSeed("fuzz_bmsinfo", "four-pages", bms.bytes());
}

void historySeeds() {
    writeSeed("fuzz_historyblock", "bmu-hv",
              SeedInput().integer(0, 0, 3).rest(historyBlock({0, 1, 2, 32, 101, 118})).bytes());
    writeSeed("fuzz_historyblock", "bms",
              SeedInput().integer(2, 0, 3).rest(historyBlock({2, 3, 4, 17, 105})).bytes());
    const QByteArray data = QByteArray::fromHex("0118000f0ce40c801e140fa05a6300010203040506");
    for (int code : {0, 1, 2, 32, 36, 38, 101, 112, 116, 118}) {
        writeSeed("fuzz_bmurecord", QStringLiteral("code-%1").arg(code),
                  SeedInput()
                      .flag(true)
                      .integer(code, 0, 255)
                      .integer(3, INT_MIN, INT_MAX)
                      .rest(data)
                      .bytes());
    }
    for (int code : {0, 2, 3, 21, 105}) {
        writeSeed("fuzz_bmsrecord", QStringLiteral("code-%1").arg(code),
                  SeedInput()
                      .flag(true)
                      .integer(code, 0, 255)
                      .integer(code % 2, 0, 2)
                      .integer(1, 0, 255)
                      .rest(data)
                      .bytes());
    }
}

void firmwareSeeds() {
    const QByteArray names = "BMU-P3-3.12-B-3FA2.bin\nBMS-P3-3.13-A-0011.bin\n"
                             "BMU-P2-1.5-A-ABCD.BIN\nQPA-TAB-2-3.7.bin\nZRC-TAB-0-1.2.bin\nlog.txt";
    for (int type = 0; type < 6; ++type)
        writeSeed("fuzz_firmwarenames", QStringLiteral("type-%1").arg(type),
                  SeedInput()
                      .integer(type, 0, 6)
                      .integer(type % 3, 0, 3)
                      .integer(0, 0, 3)
                      .rest(names)
                      .bytes());

    QByteArray image;
    for (int i = 0; i < 300; ++i)
        image.append(char(i * 31));
    writeSeed("fuzz_firmwareimage", "bmu-300-bytes",
              SeedInput()
                  .flag(true)
                  .integer(3, -1, 300)
                  .integer(12, -1, 300)
                  .flag(true)
                  .rest(image)
                  .bytes());
    writeSeed("fuzz_firmwareimage", "bms-one-packet",
              SeedInput()
                  .flag(false)
                  .integer(1, -1, 300)
                  .integer(5, -1, 300)
                  .flag(true)
                  .rest(image.left(128))
                  .bytes());

    QByteArray table(1068, '\0');
    table[1057] = 3;
    table[1059] = 7;
    writeSeed("fuzz_tablefile", "qpa-table",
              SeedInput().integer(0, 0, 6).rest(encodeTableFile(table)).bytes());

    writeSeed(
        "fuzz_downloadindex", "log",
        SeedInput()
            .text("BMU-P3-3.12-B-3FA2.bin\nreadme.txt")
            .rest("BMU-P3-3.12-B-3FA2.bin\r\n  BMS-P3-3.13-A-0011.bin \n\nQPA-TAB-2-3.7.bin\n")
            .bytes());
}

void fileSeeds(const QDir& fixtures) {
    for (const QString& name : fixtures.entryList({"*.xls", "*.xlsx"}, QDir::Files)) {
        const QString path = fixtures.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read fixture %s", qPrintable(path));
        const QByteArray bytes = file.readAll();
        writeSeed("fuzz_spreadsheetfile", name, bytes);
        const QByteArray text = sheetAsText(path);
        writeSeed("fuzz_delimitedtext", name, text);
        if (name.endsWith(QLatin1String(".xlsx")))
            writeSeed("fuzz_xlsxparts", name, xlsxAsParts(path));
        const CompoundStream workbook = readCompoundStream(bytes, {"Workbook"});
        if (workbook.ok())
            writeSeed("fuzz_xlsworkbook", name, workbook.bytes);
        if (name.startsWith(QLatin1String("history")))
            writeSeed("fuzz_logtranslation", name,
                      SeedInput().integer(name.contains("lv") ? 1 : 0, 0, 2).rest(text).bytes());
        else
            writeSeed("fuzz_tablepackage", name, SeedInput().integer(0, 0, 6).rest(text).bytes());
    }
    writeSeed("fuzz_delimitedtext", "quoted.csv",
              "Date,Code,\"Desc, with comma\"\r\n\"multi\nline\",\"say \"\"hi\"\"\",3\n");
    writeSeed("fuzz_delimitedtext", "utf16.txt",
              QByteArray("\xFF\xFE", 2) +
                  QByteArray(reinterpret_cast<const char*>(u"a\tb\r\n1\t2"), 16));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: voltaro_fuzz_seeds <output folder> <fixtures folder>\n";
        return 2;
    }
    outputRoot = QDir(QString::fromLocal8Bit(argv[1]));
    linkSeeds();
    historySeeds();
    firmwareSeeds();
    fileSeeds(QDir(QString::fromLocal8Bit(argv[2])));
    return 0;
}
