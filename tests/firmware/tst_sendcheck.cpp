// The installer's check before a firmware update: which images go out, which are refused.

#include "firmware/sendcheck.h"

#include <QtTest>

Q_DECLARE_METATYPE(SendCheck)

class TestSendCheck : public QObject {
    Q_OBJECT

private slots:
    void verdict_data() {
        QTest::addColumn<QString>("newVersion");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("batteryType");
        QTest::addColumn<SendCheck>("check");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("no image") << ""
                                  << "3.5"
                                  << "QPB" << SendCheck::NoImage << false;
        QTest::newRow("unit reports no version") << "3.6"
                                                 << "0.12"
                                                 << "QPB" << SendCheck::NoRunningVersion << false;
        QTest::newRow("LV image on HV") << "2.9"
                                        << "3.5"
                                        << "QPB" << SendCheck::NotForHighVoltage << false;
        QTest::newRow("HV image on LV") << "3.9"
                                        << "2.5"
                                        << "ZRC" << SendCheck::NotForLowVoltage << false;
        QTest::newRow("newer sub") << "3.6"
                                   << "3.5"
                                   << "QPB" << SendCheck::NewerSub << true;
        QTest::newRow("sub compared as a number") << "3.12"
                                                  << "3.9"
                                                  << "QPB" << SendCheck::NewerSub << true;
        QTest::newRow("same version") << "3.5"
                                      << "3.5"
                                      << "QPB" << SendCheck::SameVersion << false;
        QTest::newRow("older sub") << "3.4"
                                   << "3.5"
                                   << "QPB" << SendCheck::OlderSub << false;
        QTest::newRow("newer main") << "4.0"
                                    << "3.5"
                                    << "QPB" << SendCheck::NewerMain << true;
        QTest::newRow("older main: a deliberate change of line")
            << "3.1"
            << "4.2"
            << "QPB" << SendCheck::OlderMain << true;
    }

    void verdict() {
        QFETCH(QString, newVersion);
        QFETCH(QString, running);
        QFETCH(QString, batteryType);
        QFETCH(SendCheck, check);
        QFETCH(bool, allowed);
        const QStringList n = newVersion.split('.');
        const QStringList r = running.split('.');
        const SendCheck got =
            checkFirmwareSend(n.value(0), n.value(1), r.value(0), r.value(1), batteryType);
        QCOMPARE(got, check);
        QCOMPARE(sendAllowed(got), allowed);
    }
};

QTEST_GUILESS_MAIN(TestSendCheck)
#include "tst_sendcheck.moc"
