#include "configstorage.h"
#include "xmlformat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct SavedDocument
{
    QString header;
    QStringList elements;
    QString safe; // name=value|name=value...
};

SavedDocument parse(const QByteArray &bytes)
{
    SavedDocument document;
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isComment())
            document.header = reader.text().toString();
        if (!reader.isStartElement())
            continue;
        document.elements.append(reader.name().toString());
        if (reader.name() == u"safe") {
            QStringList attributes;
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                attributes << QStringLiteral("%1=%2").arg(attribute.qualifiedName(),
                                                          attribute.value());
            document.safe = attributes.join(QLatin1Char('|'));
        }
    }
    return document;
}

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
    d.dhcp = 0;
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

// Caps the size of files this process writes, as a full disk would; binds root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};
} // namespace

class TestXmlFormat : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

private Q_SLOTS:
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
        QTest::newRow("no name") << QString() << minimalRecord() << unset;
        QTest::newRow("no record") << "no-record.xml" << ScoutelContainer() << unset;
        QTest::newRow("no password")
            << "no-password.xml" << noPassword << "Password cannot be empty.";
        QTest::newRow("control character")
            << "control.xml" << bell
            << "The configuration holds characters that cannot be stored in a file.";
        QTest::newRow("unopenable")
            << "plain-file/inside.lmx" << minimalRecord() << "Cannot write to the file: ";
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
        QCOMPARE(format.save(fileName, record->password.isEmpty() && record->sendFields == 0
                                           ? nullptr
                                           : &record),
                 -1);
        QCOMPARE(format.lastError(), error.endsWith(QLatin1Char(' ')) ? error + fileName : error);
        QCOMPARE(contentOf(fileName), before);
    }

    void plainFileLayout()
    {
        const QString fileName = dir.filePath(QStringLiteral("minimal.xml"));
        XmlFormat format;
        ScoutelContainer record = minimalRecord();
        const quint32 before = quint32(QDateTime::currentSecsSinceEpoch()) & 0x1FFFFFFF;
        QCOMPARE(format.save(fileName, &record), 0);
        const quint32 after = quint32(QDateTime::currentSecsSinceEpoch()) & 0x1FFFFFFF;
        QVERIFY(format.lastError().isEmpty());

        const QByteArray bytes = contentOf(fileName);
        const QString header = parse(bytes).header;
        QVERIFY(header.startsWith(QStringLiteral("SCXMPL;1;")));
        bool ok = false;
        const quint32 stamp = header.section(QLatin1Char(';'), 2).toUInt(&ok);
        QVERIFY(ok);
        QVERIFY(stamp >> 3 >= before && stamp >> 3 <= after);

        const QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                    "<!--" +
                                    header.toLatin1() +
                                    "-->\n"
                                    "<regions>\n"
                                    "    <branches>\n"
                                    "        <safes>\n"
                                    "            <safe mac_address=\"\" password=\"current\" "
                                    "restart=\"false\"/>\n"
                                    "        </safes>\n"
                                    "    </branches>\n"
                                    "</regions>\n";
        QCOMPARE(bytes, expected);
    }

    // The safe's attributes: the fields marked to send, in the file's order.
    void writesSentFields_data()
    {
        QTest::addColumn<quint32>("sendFields");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all") << fullRecord()->sendFields
                             << "mac_address=|password=current|name=Vault <A&B> \"east\"|"
                                "ip_address=192.168.7.20|subnet_mask=255.255.255.0|"
                                "gateway=192.168.7.1|dhcp=false|tcp_port=5001|aux_port=5002|"
                                "http_port=8080|session_minutes=25|new_password=next|"
                                "public_key=a1b2c3d4e5f60718293a4b5c|restart=true";
        QTest::newRow("some") << quint32(FieldApply | FieldDhcp | FieldAuxPort)
                              << "mac_address=|password=current|dhcp=false|aux_port=5002|"
                                 "restart=false";
    }

    void writesSentFields()
    {
        QFETCH(quint32, sendFields);
        QFETCH(QString, expected);
        const QString fileName = dir.filePath(QStringLiteral("fields.xml"));
        XmlFormat format;
        ScoutelContainer record = fullRecord();
        record->sendFields = sendFields;
        QCOMPARE(format.save(fileName, &record), 0);
        const SavedDocument document = parse(contentOf(fileName));
        QCOMPARE(document.elements, QStringList({"regions", "branches", "safes", "safe"}));
        QCOMPARE(document.safe, expected);
    }

    void failedSaveKeepsEarlierFile_data()
    {
        QTest::addColumn<bool>("readOnlyDirectory");
        QTest::newRow("read-only directory") << true;
        QTest::newRow("write cut short") << false;
    }

    void failedSaveKeepsEarlierFile()
    {
        QFETCH(bool, readOnlyDirectory);
        if (readOnlyDirectory && geteuid() == 0)
            QSKIP("directory permissions do not stop root; the other row covers it");
        QTemporaryDir folder;
        const QString fileName = folder.filePath(QStringLiteral("kept.lmx"));
        XmlFormat format;
        ScoutelContainer record = fullRecord();
        QCOMPARE(format.save(fileName, &record), 0);
        const QByteArray earlier = contentOf(fileName);

        record->name = QStringLiteral("a name long enough to change the file");
        int result = 0;
        if (readOnlyDirectory) {
            QVERIFY(chmod(QFile::encodeName(folder.path()).constData(), 0555) == 0);
            result = format.save(fileName, &record);
            chmod(QFile::encodeName(folder.path()).constData(), 0755);
        } else {
            const FileSizeLimit limit(16);
            result = format.save(fileName, &record);
        }
        QCOMPARE(result, -1);
        QCOMPARE(format.lastError(), QStringLiteral("Cannot write to the file: ") + fileName);
        QCOMPARE(contentOf(fileName), earlier);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"kept.lmx"}));
    }
};

QTEST_GUILESS_MAIN(TestXmlFormat)
#include "tst_xmlformat.moc"
