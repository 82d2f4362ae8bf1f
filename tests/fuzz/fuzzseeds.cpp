// Writes the seed corpus of every fuzz target: replies of the simulated BMU, history
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
#include "files/workbookbuilder.h"
#include "firmware/tablefile.h"
#include "link/catalogue.h"
#include "link/crc.h"
#include "link/hexcommand.h"
#include "sim/bmudevice.h"

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

// Replies of the simulated BMU of each preset to the requests of a refresh, a BMS
// information read and a history read, as the tool gathers them.
struct DeviceReplies {
    QByteArray statusFirst, statusSecond, setup, ready, echo;
    QVector<QByteArray> bmsPages, historyPages;
};

QByteArray ask(BmuDevice& device, const QString& command) {
    RequestParser parser;
    const QVector<ModbusRequest> requests = parser.feed(hexToBytes(command));
    return requests.isEmpty() ? QByteArray() : device.handle(requests.first());
}

DeviceReplies repliesOf(SystemPreset preset, int historySelector) {
    BmuDevice device(preset, 7, QDateTime(QDate(2024, 5, 17), QTime(16, 42, 10)));
    device.setReadinessDelay(0);
    DeviceReplies r;
    r.statusFirst = ask(device, QLatin1String(Command::StatusFirst));
    r.statusSecond = ask(device, QLatin1String(Command::StatusSecond));
    r.setup = ask(device, QLatin1String(Command::SetupRead));
    r.echo = ask(device, bmsInfoRequest(1));
    r.ready = ask(device, QLatin1String(Command::BmsInfoReadyPoll));
    for (int page = 0; page < 4; ++page)
        r.bmsPages << ask(device, QLatin1String(Command::BmsInfoPage));
    ask(device, historyBlockRequest(quint16(historySelector)));
    ask(device, QLatin1String(Command::HistoryReadyPoll));
    for (int page = 0; page < 5; ++page)
        r.historyPages << ask(device, QLatin1String(Command::HistoryPage));
    return r;
}

void linkSeeds() {
    const struct {
        SystemPreset preset;
        const char* name;
    } presets[] = {{SystemPreset::HighVoltage, "hv"},
                   {SystemPreset::LowVoltage, "lv"},
                   {SystemPreset::Qpa5, "qpa5"}};
    for (const auto& p : presets) {
        const QString name = QLatin1String(p.name);
        const DeviceReplies r = repliesOf(p.preset, 1);
        const QByteArray exception = withCrc(QByteArray::fromHex("018302"));

        writeSeed(
            "fuzz_frameassembler", name + "-refresh-whole",
            SeedInput().integer(0, 0, 12).rest(r.statusFirst + r.statusSecond + r.setup).bytes());
        writeSeed(
            "fuzz_frameassembler", name + "-bms-in-segments",
            SeedInput()
                .integer(3, 0, 12)
                .integer(7, 1, 300)
                .integer(64, 1, 300)
                .integer(1, 1, 300)
                .rest(r.echo + r.ready + r.bmsPages.value(0) + exception + r.historyPages.value(4))
                .bytes());
        writeSeed("fuzz_frameassembler", name + "-garbage-between",
                  SeedInput()
                      .integer(1, 0, 12)
                      .integer(5, 1, 300)
                      .rest("\x01\x03\xfa" + r.ready + "\xff\x01" + r.echo)
                      .bytes());

        writeSeed("fuzz_statusblock", name + "-refresh",
                  SeedInput()
                      .integer(2, 1, 4)
                      .integer(0, 0, 2)
                      .text(r.statusFirst.mid(3, 204))
                      .integer(1, 0, 2)
                      .text(r.statusSecond.mid(3, 50))
                      .bytes());

        for (bool hv : {true, false})
            writeSeed("fuzz_setupreply", name + (hv ? "-as-hv" : "-as-lv"),
                      SeedInput()
                          .flag(true)
                          .text(r.setup.mid(3, 6))
                          .flag(hv)
                          .text("SMA")
                          .text("5")
                          .integer(1, -2, 300)
                          .integer(1, -2, 300)
                          .integer(0, -2, 300)
                          .bytes());

        SeedInput bms;
        for (const QByteArray& page : r.bmsPages)
            bms.integer(1, 0, 3).text(page.mid(3, 130));
        writeSeed("fuzz_bmsinfo", name + "-four-pages", bms.bytes());

        QByteArray serial = r.statusFirst.mid(6, 19);
        serial.truncate(serial.indexOf('\0') < 0 ? serial.size() : serial.indexOf('\0'));
        for (int selector : {0, 1}) {
            const DeviceReplies log = selector == 1 ? r : repliesOf(p.preset, 0);
            QByteArray block;
            for (int page = 0; page < 5; ++page)
                block += log.historyPages.value(page).mid(5, page < 4 ? 128 : 88);
            writeSeed("fuzz_historyblock", name + (selector ? "-bms-log" : "-bmu-log"),
                      SeedInput().integer(3, 0, 3).text(serial).rest(block).bytes());
        }
    }
}

void historySeeds() {
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

// Workbooks whose cell value nests 100 000 elements: a number, an inline text and a shared
// string. Read recursively, each of them overflowed the stack.
void deepXmlSeeds() {
    const QByteArray deep =
        QByteArray("<x>").repeated(100000) + "1" + QByteArray("</x>").repeated(100000);
    auto seed = [](const char* name, const Parts& parts) {
        QList<QByteArray> contents;
        for (const char* part : XlsxParts::names)
            contents << parts.value(QLatin1String(part));
        writeSeed("fuzz_xlsxparts", QLatin1String(name), XlsxParts::join(contents));
    };
    const auto cell = [](const QByteArray& xml) {
        return WorkbookBuilder::book(WorkbookBuilder::sheet("<row>" + xml + "</row>"));
    };
    seed("deep-number", cell("<c><v>" + deep + "</v></c>"));
    seed("deep-inline-text", cell("<c t=\"inlineStr\"><is><t>" + deep + "</t></is></c>"));
    seed("deep-shared-string", WorkbookBuilder::sharedStringBook("<si><t>" + deep + "</t></si>"));
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
    deepXmlSeeds();
    return 0;
}
