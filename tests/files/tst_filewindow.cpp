// The translation tab through the main window, where the window decides what happens: a
// long log translated while the window keeps answering, Cancel, and a refusal.
#include "app/mainwindow.h"
#include "files/translationrun.h"

#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray savedLog(int rows) {
    QByteArray text("Date&Time\tCode\tDescription\tLog Data\t\n");
    for (int i = 0; i < rows; ++i)
        text += "2023-04-17 08:05:03\t02\tPower OFF\t03 0c 00 00 00 00 00 00 00 00 00 00\t\n";
    return text;
}

// Presses Cancel on the translation's progress dialog.
void pressCancel(MainWindow& window) {
    window.findChild<QProgressDialog*>()->findChild<QPushButton*>()->click();
}

} // namespace

class TestFileWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    const QString previousFolder = QDir::currentPath();

private slots:
    // The window reads Config.ini and writes Data/ in its current folder.
    void initTestCase() { QDir::setCurrent(dir.path()); }
    void cleanupTestCase() { QDir::setCurrent(previousFolder); }

    // Reading and decoding 20 000 rows held the window for seconds; now a 10 ms timer of
    // the window's thread keeps ticking throughout. Cancel while the file is read keeps
    // the table as it was, Cancel while the rows go in empties it.
    void translate_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("message");
        const QByteArray longLog = savedLog(20000);
        QTest::newRow("20 000 rows") << longLog << "" << 20000 << "";
        QTest::newRow("cancelled while reading") << longLog << "reading" << 1 << "";
        QTest::newRow("cancelled while filling") << longLog << "filling" << 0 << "";
        QTest::newRow("three columns") << QByteArray("a\tb\tc\n1\t2\t3\n") << "" << 1
                                       << "Please choose the correct data file!!";
    }
    void translate() {
        QFETCH(QByteArray, content);
        QFETCH(QString, cancel);
        QFETCH(int, rows);
        QFETCH(QString, message);
        const QString path = dir.filePath(QStringLiteral("log.xls"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(content), qint64(content.size()));
        file.close();

        MainWindow window;
        window.findChild<QRadioButton*>(QStringLiteral("radioBtn_BMU"))->setChecked(true);
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("table_Trans"));
        table->setRowCount(1);
        table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("earlier")));
        window.askOpenFileName = [path](QWidget*, const QString&, const QString&, const QString&) {
            return path;
        };

        // The window keeps handling events while the rows are read and shown: its timer
        // ticks while the translation runs (the longest stall is a benchmark figure).
        int ticksWhileRunning = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            if (window.findChild<TranslationRun*>())
                ticksWhileRunning += 1;
            const QTableWidgetItem* first = table->item(0, 0);
            if (cancel == QLatin1String("filling") && first &&
                first->text() != QLatin1String("earlier") && window.findChild<TranslationRun*>())
                pressCancel(window);
        });
        ticks.start(10);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Btn_TransFromFile")),
                          Qt::LeftButton);
        if (cancel == QLatin1String("reading"))
            pressCancel(window);
        QTRY_VERIFY_WITH_TIMEOUT(!window.findChild<TranslationRun*>(), 120000);
        ticks.stop();

        if (rows > 1)
            QVERIFY2(ticksWhileRunning >= 3, qPrintable(QString::number(ticksWhileRunning)));
        QStringList boxes;
        for (QMessageBox* box : window.findChildren<QMessageBox*>())
            boxes << box->text();
        QCOMPARE(boxes, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(table->rowCount(), rows);
        if (rows == 1)
            QCOMPARE(table->item(0, 0)->text(), QStringLiteral("earlier"));
        if (rows > 1) {
            QCOMPARE(table->item(rows - 1, 0)->text(), QStringLiteral("2023-04-17 08:05:03"));
            QVERIFY(!table->item(rows - 1, 3)->text().isEmpty()); // decoded
        }
    }
};

QTEST_MAIN(TestFileWindow)
#include "tst_filewindow.moc"
