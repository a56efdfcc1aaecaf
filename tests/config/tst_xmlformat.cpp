#include "xmlformat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray contentOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ScoutelContainer minimalRecord()
{
    ScoutelContainer record;
    record->password = QStringLiteral("current");
    record->sendFields = FieldApply;
    return record;
}

ScoutelContainer fullRecord()
{
    ScoutelContainer record;
    ScoutelSharedData &d = *record.data();
    d.mac = QByteArray::fromHex("001A2B3C4D5E");
    d.password = QStringLiteral("current");
    d.name = QStringLiteral("Vault <A&B> \"east\"");
    d.ipAddress = QHostAddress(QStringLiteral("192.168.7.20"));
    d.subnetMask = QHostAddress(QStringLiteral("255.255.255.0"));
    d.gateway = QHostAddress(QStringLiteral("192.168.7.1"));
    d.mainPort = 5001;
    d.auxPort = 5002;
    d.httpPort = 8080;
    d.sessionMinutes = 25;
    d.newPassword = QStringLiteral("next");
    d.publicKey = QByteArray::fromHex("A1B2C3D4E5F60718293A4B5C");
    d.sendFields = FieldName | FieldIpAddress | FieldSubnetMask | FieldGateway | FieldDhcp |
                   FieldMainPort | FieldAuxPort | FieldHttpPort | FieldSessionMinutes |
                   FieldNewPassword | FieldPublicKey | FieldApply | FieldRestart;
    return record;
}
} // namespace

class TestXmlFormat : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    // The whole plain file: header with its time stamp, then the fields marked
    // to send, in the file's order.
    void plainFile_data()
    {
        QTest::addColumn<quint32>("sendFields");
        QTest::addColumn<QByteArray>("safe");
        QTest::newRow("all") << fullRecord()->sendFields
                             << QByteArray(
                                    "mac_address=\"\" password=\"current\" name=\"Vault "
                                    "&lt;A&amp;B&gt; &quot;east&quot;\" "
                                    "ip_address=\"192.168.7.20\" subnet_mask=\"255.255.255.0\" "
                                    "gateway=\"192.168.7.1\" dhcp=\"false\" tcp_port=\"5001\" "
                                    "aux_port=\"5002\" http_port=\"8080\" "
                                    "session_minutes=\"25\" new_password=\"next\" "
                                    "public_key=\"a1b2c3d4e5f60718293a4b5c\" restart=\"true\"");
        QTest::newRow("some") << quint32(FieldApply | FieldDhcp | FieldAuxPort)
                              << QByteArray("mac_address=\"\" password=\"current\" dhcp=\"false\" "
                                            "aux_port=\"5002\" restart=\"false\"");
    }
    void plainFile()
    {
        QFETCH(quint32, sendFields);
        QFETCH(QByteArray, safe);
        const QString fileName = dir.filePath(QStringLiteral("plain.xml"));
        XmlFormat format;
        ScoutelContainer record = fullRecord();
        record->sendFields = sendFields;
        const quint32 before = quint32(QDateTime::currentSecsSinceEpoch()) & 0x1FFFFFFF;
        QCOMPARE(format.save(fileName, &record), 0);
        const quint32 after = quint32(QDateTime::currentSecsSinceEpoch()) & 0x1FFFFFFF;
        QVERIFY(format.lastError().isEmpty());
        const QByteArray bytes = contentOf(fileName);
        const QByteArray header = bytes.mid(bytes.indexOf("<!--") + 4).split('-').first();
        QVERIFY(header.startsWith("SCXMPL;1;"));
        const quint32 stamp = header.mid(9).toUInt();
        QVERIFY(stamp >> 3 >= before && stamp >> 3 <= after);
        QCOMPARE(bytes, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--" + header +
                            "-->\n<regions>\n    <branches>\n        <safes>\n            <safe " +
                            safe + "/>\n        </safes>\n    </branches>\n</regions>\n");
    }

    // A refused save names the reason and leaves any earlier file as it was.
    void refusedSaves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ScoutelContainer>("record");
        QTest::addColumn<QString>("error");
        ScoutelContainer noPassword = fullRecord();
        noPassword->password.clear();
        ScoutelContainer bell = minimalRecord();
        bell->name = QStringLiteral("bell\x07");
        bell->sendFields |= FieldName;
        const QString unset = QStringLiteral("Filename or data not set.");
        const QString cannotWrite = QStringLiteral("Cannot write to the file: ");
        QTest::newRow("no name") << QString() << minimalRecord() << unset;
        QTest::newRow("no record") << "no-record.xml" << ScoutelContainer() << unset;
        QTest::newRow("no password")
            << "no-password.xml" << noPassword << "Password cannot be empty.";
        QTest::newRow("control character")
            << "control.xml" << bell
            << "The configuration holds characters that cannot be stored in a file.";
        QTest::newRow("unopenable") << "plain-file/inside.lmx" << minimalRecord() << cannotWrite;
        // As a full disk would: the write is cut short.
        QTest::newRow("write cut short") << "cut.lmx" << fullRecord() << cannotWrite;
    }
    void refusedSaves()
    {
        QFETCH(QString, name);
        QFETCH(ScoutelContainer, record);
        QFETCH(QString, error);
        QFile blocker(dir.filePath(QStringLiteral("plain-file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const QString fileName = name.isEmpty() ? name : dir.filePath(name);
        ScoutelContainer earlier = minimalRecord();
        XmlFormat format;
        if (!name.isEmpty() && !name.contains(QLatin1Char('/')))
            QCOMPARE(format.save(fileName, &earlier), 0);
        const QByteArray before = contentOf(fileName);
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved); // binds root too
        rlimit limited = saved;
        limited.rlim_cur = name.startsWith(QLatin1String("cut")) ? 16 : saved.rlim_cur;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limited);
        const bool unset = record->password.isEmpty() && record->sendFields == 0;
        const int result = format.save(fileName, unset ? nullptr : &record);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(result, -1);
        QCOMPARE(format.lastError(), error.endsWith(QLatin1Char(' ')) ? error + fileName : error);
        QCOMPARE(contentOf(fileName), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
    }
};

QTEST_GUILESS_MAIN(TestXmlFormat)
#include "tst_xmlformat.moc"
