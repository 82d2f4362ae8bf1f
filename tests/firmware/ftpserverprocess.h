#pragma once

// The update server of the tests: ftpserver.py serving a folder on the loopback
// interface, with the account the tool uses by default.

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

class FtpServerProcess : public QObject {
public:
    static constexpr char user[] = "dlfeed";
    static constexpr char password[] = "Rk3VpQx#T7w";

    ~FtpServerProcess() override { stop(); }

    // Serves `root` (its files under /Data/), with the behaviour ftpserver.py takes as
    // `behaviour` ({"--stall", "a.bin"}; none: a well-behaved server). Check port()
    // afterwards: 0 when the server did not come up.
    void start(const QString& root, const QStringList& behaviour = {}) {
        const QStringList arguments =
            QStringList{QStringLiteral(VOLTARO_SOURCE_DIR "/tests/firmware/ftpserver.py"), root,
                        QLatin1String(user), QLatin1String(password)} +
            behaviour;
        connect(&process, &QProcess::readyReadStandardOutput, this,
                [this] { output += process.readAllStandardOutput(); });
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("/usr/bin/python3"), arguments);
        QTRY_VERIFY_WITH_TIMEOUT(port() != 0, 10000);
    }

    void stop() {
        process.kill(); // nothing when not running
        process.waitForFinished(5000);
        output.clear();
    }

    bool isRunning() const { return process.state() == QProcess::Running; }

    quint16 port() const {
        const auto match =
            QRegularExpression(QStringLiteral("PORT (\\d+)")).match(QString::fromLatin1(output));
        return match.hasMatch() ? quint16(match.captured(1).toUInt()) : 0;
    }

    // The paths of every RETR, in order.
    QStringList retrievals() const {
        const QRegularExpression retr(QStringLiteral("^RETR "));
        return QString::fromUtf8(output).split('\n').filter(retr).replaceInStrings(retr, {});
    }

    int sessionsOpened() const { return output.count("OPEN\n"); }
    int sessionsClosed() const { return output.count("CLOSED\n"); }

private:
    QProcess process;
    QByteArray output;
};
