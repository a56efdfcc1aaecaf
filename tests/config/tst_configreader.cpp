#include "configreader.h"
#include "configstorage.h"
#include "configurationform.h"
#include "safeentry.h"
#include "testfiles.h"
#include "xmlformat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <random>
#include <sys/resource.h>

namespace {

QByteArray fixtureBytes(const char *name)
{
    return fileContent(QStringLiteral(SCOUTEL_TEST_DATA "/config/") + QLatin1String(name));
}

QByteArray document(const QByteArray &header, const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--" + header + "-->\n" + body;
}

QByteArray wrapped(const QByteArray &safes)
{
    return "<regions><branches><safes>" + safes + "</safes></branches></regions>\n";
}

const QByteArray SafeOne = "<safe mac_address=\"001A2B3C4D01\" password=\"p\" name=\"one\"/>";
const QByteArray SafeTwo = "<safe mac_address=\"001A2B3C4D02\" password=\"p\" name=\"two\"/>";
using Pairs = QList<QPair<QString, QString>>;

QStringList valuesOf(const ScoutelContainer &r)
{
    const auto address = [](const QHostAddress &a) {
        return a.isNull() ? QString() : a.toString();
    };
    return QStringLiteral("password=%1|name=%2|ip=%3|mask=%4|gateway=%5|dhcp=%6|ports=%7 %8|"
                          "http=%9|session=%10|key=%11")
        .arg(r->password, r->name, address(r->ipAddress), address(r->subnetMask),
             address(r->gateway))
        .arg(r->dhcp)
        .arg(r->mainPort)
        .arg(r->auxPort)
        .arg(r->httpPort)
        .arg(r->sessionMinutes)
        .arg(QString::fromLatin1(r->publicKey.toHex()))
        .split(QLatin1Char('|'));
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
    d.name = QStringLiteral("Vault <A&B> \"\u00e9ast\"");
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
constexpr quint32 NetworkBits = FieldIpAddress | FieldSubnetMask | FieldGateway | FieldDhcp;
constexpr quint32 PortBits = FieldMainPort | FieldAuxPort;
} // namespace

class TestConfigReader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString fileName = dir.filePath(name);
        if (!writeFileContent(fileName, bytes))
            qFatal("cannot prepare %s", qPrintable(fileName));
        return fileName;
    }

private Q_SLOTS:
    // Saving and reading back gives the same file, whatever the cipher the name chooses;
    // the new file is its owner's only.
    void roundTripsThroughSave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("saved.xml");
        QTest::newRow("encrypted") << QStringLiteral("saved.lmx");
        QTest::newRow("upper-case xml is encrypted") << QStringLiteral("saved.XML");
        QTest::newRow("no extension is encrypted") << QStringLiteral("saved");
    }

    void roundTripsThroughSave()
    {
        QFETCH(QString, name);
        ScoutelContainer original = fullRecord();
        original->sendFields &= ~quint32(FieldHttpPort); // not read back
        original->dhcp = 1;
        XmlFormat format;
        QCOMPARE(format.save(dir.filePath(name), &original), 0);
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther;
        QCOMPARE(QFile::permissions(dir.filePath(name)) & others, 0);
        const ConfigReadResult read = readConfigFile(dir.filePath(name));
        QVERIFY2(!read.failed(), qPrintable(read.error.text));
        QCOMPARE(read.safes.size(), 1);
        ScoutelContainer loaded;
        ConfigurationForm::fromAttributes(read.safes.first().attributes, {})
            .writeInto(*loaded.data());
        QCOMPARE(format.save(dir.filePath(QStringLiteral("original.xml")), &original), 0);
        QCOMPARE(format.save(dir.filePath(QStringLiteral("loaded.xml")), &loaded), 0);
        // Past the header with its time stamp, byte for byte.
        const auto body = [this](const char *file) {
            const QByteArray bytes = fileContent(dir.filePath(QLatin1String(file)));
            return bytes.mid(bytes.indexOf("-->"));
        };
        QCOMPARE(body("loaded.xml"), body("original.xml"));
        QCOMPARE(body("loaded.xml").count('='), 13); // every attribute written
    }

    // Which safes a document yields, and the start of its error text.
    void documents_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("safes");
        QTest::addColumn<QString>("error");
        const QByteArray head = "<!--SCXMPL;1;1-->";
        QByteArray entities = "<!ENTITY a0 \"xxxxxxxxxxxxxxxx\">";
        for (int i = 1; i < 10; ++i)
            entities += "<!ENTITY a" + QByteArray::number(i) + " \"" +
                        ("&a" + QByteArray::number(i - 1) + ';').repeated(10) + "\">";
        QByteArray nulInside = head + wrapped(SafeOne);
        nulInside.insert(nulInside.indexOf("</safes>"), '\0');
        const QString none;
        const QString position = QStringLiteral("Error on line");
        const QString type = QStringLiteral("Unknown file type.");
        const QString version = QStringLiteral("Unknown file version.");
        const QList<QPair<const char *, QString>> headers = {{"COXMPL;1;42", none},
                                                             {"SCXMPL;1", none},
                                                             {"SCXMCR;1;42", none},
                                                             {"SCXMPL;1;42;x", none},
                                                             {"SCXMPL;2;42", version},
                                                             {"SCXMPL;01;42", version},
                                                             {"SCXMPL;;42", version},
                                                             {"SCXMPL", type},
                                                             {"FOO;1;42", type},
                                                             {"scxmpl;1;42", type},
                                                             {"", type}};
        for (const auto &[header, error] : headers)
            QTest::addRow("header %s", header)
                << document(header, wrapped(SafeOne)) << int(error.isEmpty()) << error;
        QTest::newRow("standard") << head + wrapped(SafeOne + SafeTwo) << 2 << none;
        QTest::newRow("no header") << fixtureBytes("no-header.xml") << 0 << none;
        QTest::newRow("per-device file") << fixtureBytes("per-device.xml") << 3 << none;
        QTest::newRow("later comments are no header")
            << head + "<!--FOO-->" + wrapped("<!--x;9-->" + SafeOne) << 1 << none;
        QTest::newRow("safes before the header") << "<regions><branches><safes>" + SafeOne + head +
                                                        SafeTwo + "</safes></branches></regions>"
                                                 << 0 << none;
        QTest::newRow("without mac: only the first")
            << head + wrapped("<safe name=\"x\"/>" + SafeTwo) << 1 << none;
        QTest::newRow("any-device file") << fixtureBytes("any-device.xml") << 1 << none;
        // Nothing after a safe for any device is read, damaged or not.
        QTest::newRow("damaged after a safe for any device")
            << head + "<regions><branches><safes><safe mac_address=\"\"/><safe <<<" << 1 << none;
        QTest::newRow("safe outside safes")
            << head + "<regions><branches>" + SafeOne + "</branches></regions>" << 0 << none;
        QTest::newRow("unknown wrappers pass")
            << head + "<regions><x><branches><y><safes><z>" + SafeOne +
                   "</z></safes></y></branches></x></regions>"
            << 1 << none;
        QTest::newRow("several regions under an unknown root")
            << head + "<root>" + wrapped(SafeOne) + wrapped(SafeTwo) + "</root>" << 2 << none;
        QTest::newRow("wrong order")
            << head + "<branches><regions><safes>" + SafeOne + "</safes></regions></branches>" << 0
            << none;
        QTest::newRow("after closing safes") << head + "<regions><branches><safes>" + SafeOne +
                                                    "</safes>" + SafeTwo + "</branches></regions>"
                                             << 1 << none;
        QTest::newRow("nul after the end")
            << head + wrapped(SafeOne) + QByteArray("\0<<garbage", 10) << 1 << none;
        QTest::newRow("nul inside") << nulInside << 1 << position;
        QTest::newRow("truncated")
            << fixtureBytes("truncated.xml") << 1 << QStringLiteral("Error on line 7 column 58.\n");
        QTest::newRow("entity expansion")
            << "<?xml version=\"1.0\"?><!DOCTYPE regions [" + entities + "]>" + head +
                   wrapped("<safe mac_address=\"01\" name=\"&a9;\"/>")
            << 0 << position;
    }

    void documents()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, safes);
        QFETCH(QString, error);
        QVERIFY(!bytes.isEmpty());
        const ConfigReadResult read = readConfigBytes(bytes, false);
        QCOMPARE(read.safes.size(), safes);
        QVERIFY2(read.error.text.startsWith(error) && read.error.text.isEmpty() == error.isEmpty(),
                 qPrintable(read.error.text));
        QCOMPARE(read.error.title, error.isEmpty() ? QString() : QStringLiteral("XML import"));
    }

    // In a document of the declared encoding.
    void macForms_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("mac");
        const QByteArray mac = QByteArray::fromHex("001A2B3C4D5E");
        for (const char *text :
             {"001A2B3C4D5E", "00-1A-2B-3C-4D-5E", "00:1a:2b:3c:4d:5e", " 00 1A 2B 3C 4D 5E "})
            QTest::newRow(text) << QByteArray(text) << mac;
        QTest::newRow("no digits") << QByteArray("-:-") << QByteArray();
    }

    void macForms()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, mac);
        const QByteArray safes = "<safe mac_address=\"" + text + "\" name=\"caf\xe9\"/>" + SafeTwo;
        const ConfigReadResult read = readConfigBytes(
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!--SCXMPL;1;1-->" + wrapped(safes),
            false);
        QVERIFY(!read.failed());
        QCOMPARE(read.safes.first().value(QStringLiteral("name")), QStringLiteral("caf\u00e9"));
        QCOMPARE(read.safes.first().mac, mac);
        QCOMPARE(read.isForAnyDevice(), mac.isEmpty());
    }

    // Why a file gives no safes; what the cipher cannot read ends as an XML error
    // at the start.
    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("warns");
        QByteArray bytes = document("SCXMPL;1;1", wrapped(SafeOne));
        QByteArray damaged = ConfigStorage::cipher().encrypt(bytes);
        damaged[damaged.size() / 2] = char(damaged.at(damaged.size() / 2) ^ 1);
        const QString xmlError = QStringLiteral("Error on line 1 column 0.\n");
        QTest::newRow("plain text") << writeFile("plain.lmx", bytes) << xmlError << true;
        QTest::newRow("damaged") << writeFile("damaged.lmx", damaged) << xmlError << false;
        QTest::newRow("empty") << writeFile("empty.lmx", {}) << xmlError << true;
        bytes.append(QByteArray(MaxConfigFileSize - bytes.size(), ' '));
        QTest::newRow("at the limit") << writeFile("limit.xml", bytes) << QString() << false;
        const QString large = writeFile("large.xml", bytes + ' ');
        const QString missing = dir.filePath(QStringLiteral("missing.lmx"));
        const QString tooLarge =
            QStringLiteral("The file %1 is larger than 1 MiB: it cannot be a configuration file.");
        QTest::newRow("missing") << missing << "Cannot open the file " + missing << false;
        QTest::newRow("folder") << dir.path() << "Cannot open the file " + dir.path() << false;
        QTest::newRow("large") << large << tooLarge.arg(large) << false;
        // A device that reports no size is still read no further than the limit.
        QTest::newRow("endless") << "/dev/zero" << tooLarge.arg("/dev/zero") << false;
    }

    void unreadableFiles()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, error);
        QFETCH(bool, warns);
        if (warns)
            QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        const ConfigReadResult read = readConfigFile(fileName);
        QCOMPARE(read.error.text.left(error.size()), error);
        QCOMPARE(read.safes.size(), int(error.isEmpty()));
        QCOMPARE(read.failed(), !error.isEmpty());
    }

    // An entry over the values of the edit form: what it sets, what it keeps.
    void safeEntryValues_data()
    {
        QTest::addColumn<Pairs>("attributes");
        QTest::addColumn<quint32>("sendFields");
        QTest::addColumn<QStringList>("values");
        const quint32 apply = FieldApply | FieldRestart; // restart kept while absent
        QTest::newRow("nothing") << Pairs{} << apply << QStringList{"password=typed"};
        QTest::newRow("empty password, no restart")
            << Pairs{{"password", ""}, {"restart", "false"}} << quint32(FieldApply)
            << QStringList{"password="};
        QTest::newRow("name") << Pairs{{"name", "N"}} << (FieldName | apply)
                              << QStringList{"name=N", "password=typed"};
        QTest::newRow("network") << Pairs{{"ip_address", "192.168.7.20"},
                                          {"subnet_mask", "255.255.255.0"},
                                          {"gateway", "192.168.7.1"},
                                          {"dhcp", "true"}}
                                 << (NetworkBits | apply)
                                 << QStringList{"ip=192.168.7.20", "mask=255.255.255.0",
                                                "gateway=192.168.7.1", "dhcp=1"};
        QTest::newRow("address alone clears the rest")
            << Pairs{{"ip_address", "10.0.0.5"}} << (NetworkBits | apply)
            << QStringList{"ip=10.0.0.5", "mask=", "gateway=", "dhcp=0"};
        QTest::newRow("main port keeps the form's aux")
            << Pairs{{"tcp_port", "7"}} << (PortBits | apply) << QStringList{"ports=7 1001"};
        QTest::newRow("session") << Pairs{{"session_minutes", "+030"}}
                                 << (FieldSessionMinutes | apply) << QStringList{"session=30"};
        QTest::newRow("dhcp TRUE is false")
            << Pairs{{"dhcp", "TRUE"}} << (NetworkBits | apply) << QStringList{"dhcp=0"};
        QTest::newRow("http port is not read")
            << Pairs{{"http_port", "80"}} << apply << QStringList{"http=0"};
        QTest::newRow("public key with dashes")
            << Pairs{{"public_key", "a1-B2-c3-D4-e5-F6-07-18-29-3a-4b-5c"}}
            << (FieldPublicKey | apply) << QStringList{"key=a1b2c3d4e5f60718293a4b5c"};
    }

    void safeEntryValues()
    {
        QFETCH(Pairs, attributes);
        QFETCH(quint32, sendFields);
        QFETCH(QStringList, values);
        ScoutelContainer form;
        form->password = QStringLiteral("typed");
        form->dhcp = 1;
        form->gateway = QHostAddress(QStringLiteral("10.0.0.1"));
        form->mainPort = 1000;
        form->auxPort = 1001;
        form->sendFields = FieldName | FieldHttpPort | FieldDns | FieldRestart;
        SafeEntry entry;
        for (const auto &[name, value] : attributes)
            entry.attributes.insert(name, value);
        ScoutelContainer record = form;
        ConfigurationForm base;
        base.password = form->password;
        base.restart = true;
        ConfigurationForm::fromAttributes(entry.attributes, base).writeInto(*record.data());
        QCOMPARE(record->sendFields, sendFields);
        const QStringList shown = valuesOf(record);
        for (const QString &value : std::as_const(values))
            QVERIFY2(shown.contains(value), qPrintable(shown.join(QLatin1Char(' '))));
        QCOMPARE(form->password, QStringLiteral("typed"));
    }

    // Damaged documents never crash the reader and always give a consistent result.
    void mutatedDocuments()
    {
        const QList<QByteArray> seeds = {fixtureBytes("per-device.xml"),
                                         fixtureBytes("any-device.xml")};
        QVERIFY(!seeds.first().isEmpty());
        const QByteArrayList tokens =
            QByteArray("<|>|\"|'|&|&amp;|&#0;|<!--|-->|/>|;|<safe |</safes>|"
                       "<regions>|<![CDATA[|]]>|&e;|\xC3|\xFF\xFE|<?xml?>|"
                       "mac_address=\"\" |<!DOCTYPE r [<!ENTITY e \"xx\">]>")
                .split('|');
        std::mt19937 random(20240601u);
        const auto below = [&](qsizetype bound) { return qsizetype(random() % quint32(bound)); };
        for (int round = 0; round < 6000; ++round) {
            QByteArray bytes = seeds.at(round % 2);
            for (int i = 1 + int(below(4)); i > 0 && !bytes.isEmpty(); --i) {
                const qsizetype at = below(bytes.size());
                switch (below(5)) {
                case 0:
                    bytes[at] = char(below(256));
                    break;
                case 1:
                    bytes.insert(at, tokens.at(below(tokens.size())));
                    break;
                case 2:
                    bytes.remove(at, 1 + below(16));
                    break;
                case 3:
                    bytes.insert(at, bytes.mid(at, 1 + below(64)));
                    break;
                default:
                    bytes.truncate(at);
                }
            }
            const ConfigReadResult read = readConfigBytes(bytes, false);
            QCOMPARE(read.error.title, read.failed() ? QStringLiteral("XML import") : QString());
            if (read.isForAnyDevice())
                QCOMPARE(read.safes.size(), 1);
        }
    }

    // The whole plain file: header with its time stamp, then the fields marked
    // to send, in the file's order.
    void plainFile_data()
    {
        QTest::addColumn<quint32>("sendFields");
        QTest::addColumn<QByteArray>("safe");
        QTest::newRow("all") << fullRecord()->sendFields
                             << QByteArray(
                                    "mac_address=\"\" password=\"current\" name=\"Vault "
                                    "&lt;A&amp;B&gt; &quot;\xc3\xa9"
                                    "ast&quot;\" "
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
        const QByteArray bytes = fileContent(fileName);
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
        const QByteArray before = fileContent(fileName);
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
        QCOMPARE(fileContent(fileName), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
    }
};

QTEST_GUILESS_MAIN(TestConfigReader)
#include "tst_configreader.moc"
