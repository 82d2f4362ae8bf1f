#include "monitor/statusblock.h"
#include "statusframes.h"

#include <QtTest>

// Assembly of the status block from the two status replies.
class TestStatusBlock : public QObject {
    Q_OBJECT

private:
    // First reply: registers 0x0000..0x0065, each register's bytes numbered so that
    // misplaced bytes show; second reply: registers 0x0500..0x0518.
    static QByteArray firstReply() {
        QByteArray regs(204, '\0');
        for (int i = 0; i < regs.size(); ++i)
            regs[i] = char(i);
        return readReply(regs);
    }
    static QByteArray secondReply() {
        QByteArray regs(50, '\0');
        for (int i = 0; i < regs.size(); ++i)
            regs[i] = char(0x80 + i);
        return readReply(regs);
    }

private slots:
    void classifiesByLength_data();
    void classifiesByLength();
    void blockMapsBothReplies();
    void lateFirstReplyStillLandsFirst();
    void incompleteUntilBothParts_data();
    void incompleteUntilBothParts();
    void clearForgetsAnEarlierRefresh();
};

void TestStatusBlock::classifiesByLength_data() {
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("kind");
    QTest::newRow("first reply, 209 bytes") << firstReply() << int(StatusReply::First);
    QTest::newRow("second reply, 55 bytes") << secondReply() << int(StatusReply::Second);
    QTest::newRow("setup reply") << readReply(QByteArray(6, '\1')) << int(StatusReply::Other);
    QTest::newRow("write echo") << QByteArray::fromHex("011000100003C00C")
                                << int(StatusReply::Other);
    QTest::newRow("first reply cut short") << firstReply().left(208) << int(StatusReply::Other);
    QTest::newRow("empty") << QByteArray() << int(StatusReply::Other);
    QByteArray wrongCount = secondReply();
    wrongCount[2] = char(0x30);
    QTest::newRow("55 bytes with another byte count") << wrongCount << int(StatusReply::Other);
}

void TestStatusBlock::classifiesByLength() {
    QFETCH(QByteArray, frame);
    QFETCH(int, kind);
    QCOMPARE(int(StatusBlock::kindOf(frame)), kind);
}

void TestStatusBlock::blockMapsBothReplies() {
    StatusBlock block;
    QCOMPARE(block.take(firstReply()), StatusReply::First);
    QCOMPARE(block.take(secondReply()), StatusReply::Second);
    QVERIFY(block.isComplete());
    const QByteArray bytes = block.bytes();
    QCOMPARE(bytes.size(), StatusBlock::Size);
    QCOMPARE(bytes.left(3), QByteArray::fromHex("0103CC"));
    QCOMPARE(quint8(bytes[3]), quint8(0));          // register 0x0000 hi
    QCOMPARE(quint8(bytes[40]), quint8(37));        // register 0x0012 lo
    QCOMPARE(quint8(bytes[41]), quint8(194));       // register 0x0061 hi: reply offset 197
    QCOMPARE(quint8(bytes[50]), quint8(203));       // register 0x0065 lo
    QCOMPARE(quint8(bytes[51]), quint8(0x80));      // register 0x0500 hi
    QCOMPARE(quint8(bytes[90]), quint8(0x80 + 39)); // register 0x0513 lo
}

void TestStatusBlock::lateFirstReplyStillLandsFirst() {
    StatusBlock inOrder;
    inOrder.take(firstReply());
    inOrder.take(secondReply());

    StatusBlock late;
    late.take(secondReply());
    QVERIFY(!late.isComplete());
    late.take(firstReply());
    QVERIFY(late.isComplete());
    QCOMPARE(late.bytes(), inOrder.bytes());
}

void TestStatusBlock::incompleteUntilBothParts_data() {
    QTest::addColumn<QList<QByteArray>>("replies");
    QTest::addColumn<bool>("complete");
    QTest::newRow("nothing") << QList<QByteArray>{} << false;
    QTest::newRow("first only") << QList<QByteArray>{firstReply()} << false;
    QTest::newRow("second only") << QList<QByteArray>{secondReply()} << false;
    QTest::newRow("first twice") << QList<QByteArray>{firstReply(), firstReply()} << false;
    QTest::newRow("other frames ignored")
        << QList<QByteArray>{firstReply(), readReply(QByteArray(6, '\0'))} << false;
    QTest::newRow("both") << QList<QByteArray>{firstReply(), secondReply()} << true;
}

void TestStatusBlock::incompleteUntilBothParts() {
    QFETCH(QList<QByteArray>, replies);
    QFETCH(bool, complete);
    StatusBlock block;
    for (const QByteArray& reply : replies)
        block.take(reply);
    QCOMPARE(block.isComplete(), complete);
}

void TestStatusBlock::clearForgetsAnEarlierRefresh() {
    // A refresh whose second reply never came must not lend its first part to the next.
    StatusBlock block;
    block.take(firstReply());
    block.clear();
    block.take(secondReply());
    QVERIFY(!block.isComplete());
}

QTEST_APPLESS_MAIN(TestStatusBlock)
#include "tst_statusblock.moc"
