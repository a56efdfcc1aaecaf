// The operation log on disk: appends, rotation, and lines left by a crash or
// an editor. The runs that write it, also where it cannot be written, are
// tested end to end with the program.
#include "historyreader.h"
#include "operationlog.h"
#include "testfiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray operation(const char *mac)
{
    return QByteArray(R"({"time":"t","mode":"m","targets":[{"mac":")") + mac +
           R"(","outcome":"confirmed"}]})";
}

// The MACs of the logged operations, newest first.
QString macsIn(const QString &folder)
{
    QStringList macs;
    for (const LoggedOperation &logged : HistoryReader::readFolder(folder))
        macs << logged.targets.value(0).mac;
    return macs.join(' ');
}
} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What was in the file before the appends, the appends, and what the
    // history then shows; the file keeps its earlier bytes unchanged.
    void append_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("macs");
        const QByteArray whole = operation("A") + '\n';
        QTest::newRow("empty") << QByteArray() << "C B";
        QTest::newRow("truncated last line") << whole + operation("X").left(30) << "C B A";
        QTest::newRow("hostile lines")
            << whole + QByteArrayLiteral("\xff\x00{\n[1]\n{\"targets\":{}}\n") +
                   QByteArray(70, '{') + "\n"
            << "C B A";
        // A line longer than the reader takes is passed over unread.
        QTest::newRow("over-long line")
            << QByteArray(HistoryReader::MaxLineBytes, ' ') + operation("X") + '\n' + whole
            << "C B A";
    }
    void append()
    {
        QFETCH(QByteArray, before);
        QTemporaryDir home;
        const QString folder = home.filePath("state/scoutel");
        const OperationLog log(folder);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeFileContent(log.filePath(), before));
        for (const char *mac : {"B", "C"})
            QCOMPARE(log.append(operation(mac)), QString());
        QVERIFY(fileContent(log.filePath()).startsWith(before));
        QTEST(macsIn(folder), "macs");
        QCOMPARE(int(QFileInfo(folder).permissions() & 0x0077), 0);
    }

    // At the limit the file becomes the older generation, which the one before
    // replaces; the history reads both.
    void rotation()
    {
        QTemporaryDir home;
        const qint64 limit = 3 * (operation("A").size() + 1);
        const OperationLog log(home.path(), limit);
        for (const char *mac : {"A", "B", "C", "D", "E", "F", "G"})
            QCOMPARE(log.append(operation(mac)), QString());
        QCOMPARE(fileContent(log.olderPath()).count('\n'), 3);
        QCOMPARE(fileContent(log.filePath()).count('\n'), 1);
        QCOMPARE(macsIn(home.path()), "G F E D");
        QCOMPARE(int(QFileInfo(log.filePath()).permissions() & 0x0077), 0);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
