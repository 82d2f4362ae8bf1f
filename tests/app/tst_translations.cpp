// The interface catalogues: complete, in line with the sources, placeholders intact.

#include "app/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of a Qt Linguist catalogue, obsolete and vanished ones left out.
QVector<Message> readCatalogue(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QVector<Message> messages;
    QString context;
    Message message;
    bool live = true;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, false};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QStringRef type = xml.attributes().value(QLatin1String("type"));
            live = type != QLatin1String("obsolete") && type != QLatin1String("vanished");
            message.finished = type.isEmpty();
            message.translation = xml.readElementText();
            if (live)
                messages << message;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

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

QString cataloguePath(const QString& code) {
    return QStringLiteral(VOLTARO_SOURCE_DIR "/res/translations/voltaro_%1.ts").arg(code);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void catalogueComplete_data();
    void catalogueComplete();
    void catalogueMatchesSources_data();
    void catalogueMatchesSources();
    void installedCatalogueTranslates();
};

void TestTranslations::catalogueComplete_data() {
    QTest::addColumn<QString>("code");
    QTest::newRow("English") << "en";
    QTest::newRow("Simplified Chinese") << "zh_CN";
}

// Every text has a finished translation with the same placeholders. English gives the
// Chinese source texts an English wording; Chinese translates every text.
void TestTranslations::catalogueComplete() {
    QFETCH(QString, code);
    QString error;
    const QVector<Message> messages = readCatalogue(cataloguePath(code), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 100);
    QStringList faults;
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(": ") + m.source;
        if (!m.finished || m.translation.isEmpty())
            faults << QStringLiteral("untranslated: ") + where;
        else if (placeholders(m.source) != placeholders(m.translation))
            faults << QStringLiteral("placeholders differ: ") + where;
        else if (code == QLatin1String("en") && hasChinese(m.translation))
            faults << QStringLiteral("Chinese in the English catalogue: ") + where;
        else if (code == QLatin1String("zh_CN") && !hasChinese(m.translation))
            faults << QStringLiteral("not Chinese: ") + where;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::catalogueMatchesSources_data() {
    catalogueComplete_data();
}

// lupdate run over the sources finds exactly the texts of the committed catalogue: a new
// tr() text without a translation, or a translation left over from a removed text, fails.
void TestTranslations::catalogueMatchesSources() {
    QFETCH(QString, code);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"),
                          QStringLiteral("none"), QStringLiteral("-I"),
                          QStringLiteral(VOLTARO_SOURCE_DIR)};
    for (const QString& dir : QStringLiteral(VOLTARO_TRANSLATED_DIRS).split(QLatin1Char(',')))
        arguments << QStringLiteral(VOLTARO_SOURCE_DIR "/") + dir;
    arguments << QStringLiteral("-ts") << fresh;
    QProcess lupdate;
    lupdate.start(QStringLiteral(VOLTARO_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);

    QString error;
    QSet<QString> inSources;
    for (const Message& m : readCatalogue(fresh, &error))
        inSources.insert(m.context + QLatin1Char('|') + m.source);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QSet<QString> inCatalogue;
    for (const Message& m : readCatalogue(cataloguePath(code), &error))
        inCatalogue.insert(m.context + QLatin1Char('|') + m.source);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList missing = (inSources - inCatalogue).values();
    QStringList stale = (inCatalogue - inSources).values();
    missing.sort();
    stale.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the catalogue (build the "
                                                          "voltaro_lupdate target):\n") +
                                           missing.join(QLatin1Char('\n'))));
    QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("no longer in the sources:\n") +
                                         stale.join(QLatin1Char('\n'))));
}

// The compiled catalogues are part of the program and change what tr() returns.
void TestTranslations::installedCatalogueTranslates() {
    QVERIFY(installLanguage(QStringLiteral("zh_CN")));
    QCOMPARE(QCoreApplication::translate("Ui_MainWindow", "Refresh"), QStringLiteral("刷新"));
    QVERIFY(installLanguage(QStringLiteral("en")));
    QCOMPARE(QCoreApplication::translate("Ui_MainWindow", "Refresh"), QStringLiteral("Refresh"));
    QCOMPARE(QCoreApplication::translate("MainWindow", "选择Excel文件"),
             QStringLiteral("Choose Excel file"));
    QVERIFY(!installLanguage(QStringLiteral("fr")));
    // No catalogue installed: the source texts.
    QCOMPARE(QCoreApplication::translate("MainWindow", "选择Excel文件"),
             QStringLiteral("选择Excel文件"));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
