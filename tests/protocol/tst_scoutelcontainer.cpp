#include "hextext.h"
#include "scoutelcontainer.h"

#include <QTest>

class TestScoutelContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resultTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("ok") << 0 << "all ok";
        QTest::newRow("generic") << -2 << "ERROR_GENERIC";
        QTest::newRow("length") << -100 << "ERROR_FIELD_LENGTH";
        QTest::newRow("unknown") << -101 << "ERROR_FIELD_UNKNOWN";
        QTest::newRow("deny") << -102 << "ERROR_FIELD_DENY";
        QTest::newRow("buffer") << -103 << "ERROR_BUFFER_LENGTH";
        QTest::newRow("challenge") << -104 << "ERROR_CHALLENGE_SIZE";
        QTest::newRow("expired") << -105 << "session expired";
        QTest::newRow("password") << -106 << "wrong password";
        QTest::newRow("before header") << -1 << "error -1";
        QTest::newRow("positive") << 5 << "error 5";
    }

    void resultTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        ScoutelContainer record;
        record->result = code;
        QCOMPARE(record.resultText(), text);
    }

    void freshRecordIsEmpty()
    {
        const ScoutelContainer record;
        QVERIFY(record->sender.isNull());
        QVERIFY(record->ipAddress.isNull());
        QVERIFY(record->mac.isEmpty());
        QVERIFY(record->name.isEmpty());
        QCOMPARE(record->statusFlags, 0u);
        QCOMPARE(record->presentFields, 0u);
        QCOMPARE(record->sendFields, 0u);
    }

    void copiesShareUntilWritten()
    {
        ScoutelContainer first;
        first->name = QStringLiteral("vault");
        ScoutelContainer copy = first;
        const ScoutelContainer &constFirst = first;
        const ScoutelContainer &constCopy = copy;
        QCOMPARE(constFirst.constData(), constCopy.constData());
        QCOMPARE(constCopy->name, QStringLiteral("vault")); // a const read keeps sharing
        QCOMPARE(constFirst.constData(), constCopy.constData());

        copy->name = QStringLiteral("other");
        QVERIFY(constFirst.constData() != constCopy.constData());
        QCOMPARE(constFirst->name, QStringLiteral("vault"));
        QCOMPARE(constCopy->name, QStringLiteral("other"));
    }

    void copyKeepsEveryField()
    {
        ScoutelContainer first;
        first->busTcp[2] = 7;
        first->password = QStringLiteral("secret");
        first->challenge = QByteArray(8, '\x11');
        ScoutelContainer copy = first;
        copy->result = 3; // detaches
        QCOMPARE(copy->busTcp[2], 7u);
        QCOMPARE(copy->password, QStringLiteral("secret"));
        QCOMPARE(copy->challenge, QByteArray(8, '\x11'));
        QCOMPARE(first->result, 0);
    }

    void hexTexts()
    {
        QCOMPARE(hexText(QByteArray::fromHex("001A2B3C4D5E")), QStringLiteral("00 1A 2B 3C 4D 5E"));
        QCOMPARE(hexText(QByteArray::fromHex("0AFF")), QStringLiteral("0A FF"));
        QCOMPARE(hexText(QByteArray()), QString());
        QCOMPARE(hexText(QByteArray::fromHex("001A2B3C4D5E"), 2), QStringLiteral("00 1A"));
        QCOMPARE(hexText(QByteArray::fromHex("0A"), 5), QStringLiteral("0A"));
    }
};

QTEST_GUILESS_MAIN(TestScoutelContainer)
#include "tst_scoutelcontainer.moc"
