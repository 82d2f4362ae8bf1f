// The interface catalogues: complete, in step with the sources, placeholders intact.

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The placeholders of a text (%1, %L2 ...), sorted, each as often as it occurs.
QStringList placeholders(const QString& text) {
    QStringList found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("%L?(\\d{1,2})")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(1);
    found.sort();
    return found;
}

bool hasChinese(const QString& text) {
    return text.contains(
        QRegularExpression(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]")));
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void catalogues_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("English") << "en";
        QTest::newRow("Simplified Chinese") << "zh_CN";
    }

    // lupdate run over the sources leaves the committed catalogue as it is: a new tr() text
    // without a translation, or one left over from a removed text, fails. Every text has a
    // finished translation with the same placeholders; English gives the Chinese source
    // texts an English wording, Chinese translates every text.
    void catalogues() {
        QFETCH(QString, code);
        QFile committed(
            QStringLiteral(VOLTARO_SOURCE_DIR "/res/translations/voltaro_%1.ts").arg(code));
        QVERIFY(committed.open(QIODevice::ReadOnly));
        const QByteArray catalogue = committed.readAll();
        QFile fresh(folder.filePath(QStringLiteral("fresh.ts")));
        QVERIFY(fresh.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(fresh.write(catalogue), qint64(catalogue.size()));
        fresh.close();
        QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"),
                              QStringLiteral("none"),    QStringLiteral("-no-obsolete"),
                              QStringLiteral("-I"),      QStringLiteral(VOLTARO_SOURCE_DIR)};
        for (const QString& dir : QStringLiteral(VOLTARO_TRANSLATED_DIRS).split(QLatin1Char(',')))
            arguments << QStringLiteral(VOLTARO_SOURCE_DIR "/") + dir;
        QProcess lupdate;
        lupdate.start(QStringLiteral(VOLTARO_LUPDATE), arguments << "-ts" << fresh.fileName());
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QVERIFY(fresh.open(QIODevice::ReadOnly));
        QVERIFY2(fresh.readAll() == catalogue,
                 "the catalogue is not in step with the sources: build the voltaro_lupdate target");

        // Each message as lupdate writes it: its source, then its translation, marked when
        // unfinished.
        QRegularExpressionMatchIterator it =
            QRegularExpression(
                QStringLiteral("<source>(.*?)</source>.*?<translation( type=\"\\w+\")?>"
                               "(.*?)</translation>"),
                QRegularExpression::DotMatchesEverythingOption)
                .globalMatch(QString::fromUtf8(catalogue));
        int messages = 0;
        QStringList faults;
        for (; it.hasNext(); ++messages) {
            const QRegularExpressionMatch m = it.next();
            const QString source = m.captured(1);
            const QString translation = m.captured(3);
            if (!m.captured(2).isEmpty() || translation.isEmpty())
                faults << QStringLiteral("untranslated: ") + source;
            else if (placeholders(source) != placeholders(translation))
                faults << QStringLiteral("placeholders differ: ") + source;
            else if (hasChinese(translation) != (code == QLatin1String("zh_CN")))
                faults << QStringLiteral("in the other language: ") + source;
        }
        QVERIFY(messages > 100);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
