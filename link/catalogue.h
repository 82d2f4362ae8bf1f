#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The requests the tool sends to the BMU (slave 1), as hex command strings.
// Fixed requests carry their CRC; composed requests get it from appendCrcHex().
namespace Command {

inline constexpr char StatusFirst[] = "01 03 00 00 00 66 C5 E0";       // 102 registers from 0x0000
inline constexpr char StatusSecond[] = "01 03 05 00 00 19 84 CC";      // 25 registers from 0x0500
inline constexpr char SetupRead[] = "01 03 00 10 00 03 04 0E";         // 3 registers from 0x0010
inline constexpr char HistoryReadyPoll[] = "01 03 05 A1 00 01 D5 24";  // 0x05A1, 0x8801 = ready
inline constexpr char HistoryPage[] = "01 03 05 A8 00 41 04 D6";       // 65 registers from 0x05A8
inline constexpr char BmsInfoReadyPoll[] = "01 03 05 51 00 01 D5 17";  // 0x0551, 0x8801 = ready
inline constexpr char BmsInfoPage[] = "01 03 05 58 00 41 04 E5";       // 65 registers from 0x0558
inline constexpr char BmuUpdateResult[] = "01 03 05 F0 00 09 85 33";   // 9 registers from 0x05F0
inline constexpr char BmsUpdateResult[] = "01 03 06 40 00 09 84 90";   // 9 registers from 0x0640
inline constexpr char TableUpdateResult[] = "01 03 04 00 00 09 84 FC"; // 9 registers from 0x0400

// Heads of composed writes, without data and CRC.
inline constexpr char SetupWriteHead[] = "01 10 00 10 00 03 06";
inline constexpr char HistoryRequestHead[] = "01 10 05 A0 00 02 04 ";
inline constexpr char BmsInfoRequestHead[] = "01 10 05 50 00 02 04 ";
inline constexpr char ExtendedReadHead[] = "01 10 01 00 00 03 06";
inline constexpr char BmuFirmwareHeaderHead[] = "01 10 05 F0 00 05 0A ";
inline constexpr char BmsFirmwareHeaderHead[] = "01 10 06 40 00 05 0A ";
inline constexpr char BmuFirmwarePacketHead[] = "01 10 05 F7 00";
inline constexpr char BmsFirmwarePacketHead[] = "01 10 06 47 00";
inline constexpr char TableHeaderHead[] = "01 10 04 00 00 05 0A ";
inline constexpr char TablePacketHead[] = "01 10 04 07 00";

// The echo of the extended-read write, as upper-case hex without blanks.
inline constexpr char ExtendedReadEcho[] = "01100100000381F4";

// The register value 0x8801 that the BMU reports when a fetched block is ready.
inline constexpr quint16 ReadyValue = 0x8801;

} // namespace Command

// Every fixed request with its CRC, for checks of the catalogue.
QVector<const char*> fixedCommands();

// Write of two registers from 0x05A0: the log selector (0 BMU, n BMS n) and 0x8100.
QString historyBlockRequest(quint16 selector);

// Write of two registers from 0x0550: the BMS number (1-based) and 0x8100.
QString bmsInfoRequest(quint16 bmsNumber);

// Write of three registers from 0x0100: the extended-read word "MZQWK" and a zero byte.
QString extendedReadRequest();

// Write of the three setup registers from 0x0010 with the six data bytes given.
QString setupWriteRequest(const QByteArray& sixBytes);
