#include "sim/demodata.h"

#include "app/passwordcodec.h"
#include "firmware/tablefile.h"
#include "link/crc.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>

namespace {

constexpr int BmuImageSize = 24 * 1024 + 77; // odd: the last packet carries 77 bytes
constexpr int BmsImageSize = 16 * 1024;      // a multiple of 128: an empty last packet
constexpr int TableSize = 1068;
constexpr int TableMainVersionOffset = 1057;
constexpr int TableSubVersionOffset = 1059;

QString sectionLetter(Section section) {
    return section == SectionB ? QStringLiteral("B") : QStringLiteral("A");
}

Section otherSection(Section section) {
    return section == SectionB ? SectionA : SectionB;
}

// "BMU-P3-3.14-B-3FA2.bin": type, family, version, section, CRC text.
QString firmwareFileName(const QString& type, const SystemProfile& profile, FirmwareVersion version,
                         Section section, const QByteArray& image) {
    return QStringLiteral("%1-%2-%3-%4-%5.bin")
        .arg(type, profile.familyCode, version.text(), sectionLetter(section),
             crcText(modbusCrc16(image)));
}

bool writeFile(const QString& path, const QByteArray& content, QString* error) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(content) == content.size())
        return true;
    if (error)
        *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return false;
}

} // namespace

const QVector<DemoPassword>& demoPasswords() {
    static const QVector<DemoPassword> passwords{
        {"1", "installer", "installer-demo"},
        {"2", "service_partner", "service-demo"},
        {"3", "inverter_partner", "inverter-demo"},
        {"4", "admin", "admin-demo"},
    };
    return passwords;
}

QByteArray demoFirmwareImage(const SystemProfile& profile, bool bms) {
    const FirmwareVersion version = bms ? profile.newBms : profile.newBmu;
    const Section section = otherSection(bms ? profile.bmsRunning : profile.bmuRunning);
    QByteArray image = QStringLiteral("VOLTARO DEMO FIRMWARE %1 %2 V%3-%4")
                           .arg(bms ? QStringLiteral("BMS") : QStringLiteral("BMU"),
                                profile.familyCode, version.text(), sectionLetter(section))
                           .toLatin1();
    image.append('\0');
    QRandomGenerator random(modbusCrc16(image));
    const int size = bms ? BmsImageSize : BmuImageSize;
    while (image.size() < size)
        image.append(char(random.bounded(256)));
    return image;
}

QByteArray demoTableBytes(const SystemProfile& profile) {
    // Protection thresholds as 16-bit big-endian values: cell voltages (mV), temperatures
    // (0.1 °C above -40 °C), currents (0.1 A), repeated over the table's 534 values.
    static const quint16 thresholds[] = {3650, 3600, 3550, 2500, 2600, 2700, 1000, 950,
                                         900,  300,  350,  400,  1500, 1400, 1300, 30};
    QByteArray table(TableSize, '\0');
    for (int i = 0; i < TableSize / 2; ++i) {
        const quint16 value = quint16(thresholds[i % 16] + i / 16);
        table[2 * i] = char(value >> 8);
        table[2 * i + 1] = char(value & 0xFF);
    }
    table[TableMainVersionOffset - 1] = 0;
    table[TableMainVersionOffset] = char(profile.newTable.main);
    table[TableSubVersionOffset - 1] = 0;
    table[TableSubVersionOffset] = char(profile.newTable.sub);
    return table;
}

QVector<DemoFile> demoDataFiles(const SystemProfile& profile) {
    const QByteArray bmu = demoFirmwareImage(profile, false);
    const QByteArray bms = demoFirmwareImage(profile, true);
    QVector<DemoFile> files;
    files.append({firmwareFileName(QStringLiteral("BMU"), profile, profile.newBmu,
                                   otherSection(profile.bmuRunning), bmu),
                  bmu});
    files.append({firmwareFileName(QStringLiteral("BMS"), profile, profile.newBms,
                                   otherSection(profile.bmsRunning), bms),
                  bms});
    files.append({QStringLiteral("%1-TAB-%2-%3.bin")
                      .arg(profile.tableFilePrefix())
                      .arg(profile.batteryTypeCode)
                      .arg(profile.newTable.text()),
                  encodeTableFile(demoTableBytes(profile))});
    return files;
}

bool prepareDemoFolder(const QString& workDir, SystemPreset preset, const QString& dataRoot,
                       QString* error) {
    const QString dataDir = QDir(dataRoot.isEmpty() ? workDir : dataRoot).filePath("Data");
    if (!QDir().mkpath(workDir) || !QDir().mkpath(dataDir)) {
        if (error)
            *error = QStringLiteral("Cannot create %1").arg(dataDir);
        return false;
    }

    const QString configPath = QDir(workDir).filePath("Config.ini");
    QFile::remove(configPath);
    {
        QSettings config(configPath, QSettings::IniFormat);
        config.beginGroup(QStringLiteral("B"));
        for (const DemoPassword& entry : demoPasswords())
            config.setValue(QLatin1String(entry.key),
                            encodeStoredPassword(QLatin1String(entry.password)));
        config.endGroup();
        config.sync();
        if (config.status() != QSettings::NoError) {
            if (error)
                *error = QStringLiteral("Cannot write %1").arg(configPath);
            return false;
        }
    }

    QByteArray index;
    for (const DemoFile& file : demoDataFiles(systemProfile(preset))) {
        if (!writeFile(QDir(dataDir).filePath(file.name), file.content, error))
            return false;
        index.append(file.name.toLatin1() + "\r\n");
    }
    return writeFile(QDir(dataDir).filePath("log.txt"), index, error);
}
