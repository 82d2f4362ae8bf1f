#include "link/catalogue.h"

#include "link/hexcommand.h"

QVector<const char*> fixedCommands() {
    return {Command::StatusFirst,      Command::StatusSecond,    Command::SetupRead,
            Command::HistoryReadyPoll, Command::HistoryPage,     Command::BmsInfoReadyPoll,
            Command::BmsInfoPage,      Command::BmuUpdateResult, Command::BmsUpdateResult,
            Command::TableUpdateResult};
}

QString historyBlockRequest(quint16 selector) {
    return appendCrcHex(QLatin1String(Command::HistoryRequestHead) + hexField(selector) +
                        QStringLiteral(" 81 00"));
}

QString bmsInfoRequest(quint16 bmsNumber) {
    return appendCrcHex(QLatin1String(Command::BmsInfoRequestHead) + hexField(bmsNumber) +
                        QStringLiteral(" 81 00"));
}

QString extendedReadRequest() {
    const QByteArray word("MZQWK\0", 6);
    return appendCrcHex(QLatin1String(Command::ExtendedReadHead) + QLatin1Char(' ') +
                        bytesToHexCommand(word));
}

QString setupWriteRequest(const QByteArray& sixBytes) {
    return appendCrcHex(QLatin1String(Command::SetupWriteHead) + QLatin1Char(' ') +
                        bytesToHexCommand(sixBytes));
}
