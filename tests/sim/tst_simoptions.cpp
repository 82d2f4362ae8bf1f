#include "sim/bmusimulator.h"
#include "sim/simoptions.h"

#include <QtTest>

class TestSimOptions : public QObject {
    Q_OBJECT

private slots:
    void parsesTheCommandLine();
    void rejectsBadValues_data();
    void rejectsBadValues();
    void appliesToTheSimulator();
};

void TestSimOptions::parsesTheCommandLine() {
    SimOptions defaults;
    QString error;
    QVERIFY(parseSimOptions({"voltaro-bmu-sim"}, &defaults, &error));
    QCOMPARE(defaults.host, QHostAddress(QHostAddress::LocalHost));
    QCOMPARE(defaults.port, quint16(8080));
    QCOMPARE(defaults.preset, SystemPreset::HighVoltage);
    QVERIFY(!defaults.fixedValues);

    SimOptions options;
    QVERIFY2(parseSimOptions({"voltaro-bmu-sim",
                              "--listen",
                              "0.0.0.0:9000",
                              "--system",
                              "QPA5",
                              "--seed",
                              "17",
                              "--split",
                              "3",
                              "--split-pause",
                              "5",
                              "--delay",
                              "100",
                              "--drop-every",
                              "4",
                              "--corrupt-every",
                              "6",
                              "--close-after",
                              "9",
                              "--ready-delay",
                              "0",
                              "--scenario",
                              "s.json"},
                             &options, &error),
             qPrintable(error));
    QCOMPARE(options.host, QHostAddress(QStringLiteral("0.0.0.0")));
    QCOMPARE(options.port, quint16(9000));
    QCOMPARE(options.preset, SystemPreset::Qpa5);
    QVERIFY(options.seeded && options.fixedValues); // a seed holds the values still
    QCOMPARE(options.seed, quint32(17));
    QCOMPARE(options.splitSegments, 3);
    QCOMPARE(options.splitPause, 5);
    QCOMPARE(options.replyDelay, 100);
    QCOMPARE(options.dropEvery, 4);
    QCOMPARE(options.corruptEvery, 6);
    QCOMPARE(options.closeAfter, 9);
    QCOMPARE(options.readinessDelay, 0);
    QCOMPARE(options.scenario, QStringLiteral("s.json"));

    SimOptions demo;
    QVERIFY(parseSimOptions(
        {"voltaro-bmu-sim", "--prepare-demo", "demo", "--system", "lv", "--data-root", "srv"},
        &demo, &error));
    QCOMPARE(demo.prepareDemo, QStringLiteral("demo"));
    QCOMPARE(demo.dataRoot, QStringLiteral("srv"));
    QCOMPARE(demo.preset, SystemPreset::LowVoltage);
}

void TestSimOptions::rejectsBadValues_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--fast"};
    QTest::newRow("unknown system") << QStringList{"--system", "mv"};
    QTest::newRow("listen without port") << QStringList{"--listen", "127.0.0.1"};
    QTest::newRow("port too large") << QStringList{"--listen", "127.0.0.1:70000"};
    QTest::newRow("not an address") << QStringList{"--listen", "battery:8080"};
    QTest::newRow("split into no segment") << QStringList{"--split", "0"};
    QTest::newRow("negative delay") << QStringList{"--delay", "-5"};
    QTest::newRow("seed not a number") << QStringList{"--seed", "abc"};
    QTest::newRow("stray argument") << QStringList{"extra"};
}

void TestSimOptions::rejectsBadValues() {
    QFETCH(QStringList, arguments);
    SimOptions options;
    QString error;
    QVERIFY(!parseSimOptions(QStringList{"voltaro-bmu-sim"} + arguments, &options, &error));
    QVERIFY(!error.isEmpty());
}

void TestSimOptions::appliesToTheSimulator() {
    SimOptions options;
    options.fixedValues = true;
    options.seeded = true;
    options.seed = 3;
    options.scenario = QStringLiteral("/nonexistent/scenario.json");
    BmuSimulator simulator;
    QString error;
    QVERIFY(!applySimOptions(options, simulator, &error));
    QVERIFY(simulator.isStatic());
    BmuDevice reference(SystemPreset::HighVoltage, 3, BmuSimulator::staticLogEnd());
    QCOMPARE(simulator.device().historyLog(0).all(), reference.historyLog(0).all());
}

QTEST_GUILESS_MAIN(TestSimOptions)
#include "tst_simoptions.moc"
