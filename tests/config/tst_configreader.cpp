#include "configreader.h"
#include "configstorage.h"
#include "safeentry.h"
#include "targetmatching.h"
#include "xmlformat.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace {
const QByteArray MacOne = QByteArray::fromHex("001A2B3C4D01");
const QByteArray MacTwo = QByteArray::fromHex("001A2B3C4D02");
const QByteArray MacThree = QByteArray::fromHex("001A2B3C4D03");

QString fixture(const char *name)
{
    return QStringLiteral(SCOUTEL_TEST_DATA "/config/") + QLatin1String(name);
}

QByteArray fixtureBytes(const char *name)
{
    QFile file(fixture(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<ScoutelContainer> targetsFor(const QList<QByteArray> &macs)
{
    QList<ScoutelContainer> targets;
    for (const QByteArray &mac : macs) {
        ScoutelContainer target;
        target->mac = mac;
        target->password = QStringLiteral("typed in the dialog");
        targets.append(target);
    }
    return targets;
}

// Hands the per-device entries to the targets the way the edit dialog does and
// gives the missing-MAC report.
QString distribute(const ConfigReadResult &read, QList<ScoutelContainer> &targets)
{
    for (ScoutelContainer &target : targets)
        target->result = -1;
    for (const SafeEntry &entry : read.safes)
        applyEntryToTarget(targets, entry);
    return missingMacsMessage(targets);
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

SafeEntry entryOf(const Pairs &attributes)
{
    SafeEntry entry;
    for (const auto &[name, value] : attributes)
        entry.attributes.insert(name, value);
    return entry;
}

ScoutelContainer applied(const Pairs &attributes, ScoutelContainer record = {})
{
    applySafeEntry(entryOf(attributes), &record);
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
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot prepare %s", qPrintable(fileName));
        return fileName;
    }

private Q_SLOTS:
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
        ScoutelContainer original;
        ScoutelSharedData &d = *original.data();
        d.password = QStringLiteral("cur;rent <&>");
        d.name = QStringLiteral("Vault \u00e9ast \"7\"");
        d.ipAddress = QHostAddress(QStringLiteral("10.1.2.3"));
        d.subnetMask = QHostAddress(QStringLiteral("255.255.0.0"));
        d.gateway = QHostAddress(QStringLiteral("10.1.0.1"));
        d.dhcp = 1;
        d.mainPort = 4000;
        d.auxPort = 0;
        d.httpPort = 8080;
        d.sessionMinutes = 65535;
        d.newPassword = QStringLiteral("next one");
        d.publicKey = QByteArray::fromHex("00112233445566778899AABB");
        d.sendFields = FieldName | FieldIpAddress | FieldSubnetMask | FieldGateway | FieldDhcp |
                       FieldMainPort | FieldAuxPort | FieldHttpPort | FieldSessionMinutes |
                       FieldNewPassword | FieldPublicKey | FieldApply | FieldRestart;
        XmlFormat format;
        const QString fileName = dir.filePath(name);
        QCOMPARE(format.save(fileName, &original), 0);

        const ConfigReadResult read = readConfigFile(fileName);
        QVERIFY2(!read.failed(), qPrintable(read.error.text));
        QCOMPARE(read.safes.size(), 1);
        QVERIFY(read.isForAnyDevice());
        QVERIFY(read.safes.first().hasMac);

        ScoutelContainer loaded;
        applySafeEntry(read.safes.first(), &loaded);
        const ScoutelSharedData &l = *loaded.constData();
        QCOMPARE(l.sendFields, d.sendFields & ~quint32(FieldHttpPort));
        QCOMPARE(l.password, d.password);
        QCOMPARE(l.name, d.name);
        QCOMPARE(l.ipAddress, d.ipAddress);
        QCOMPARE(l.subnetMask, d.subnetMask);
        QCOMPARE(l.gateway, d.gateway);
        QCOMPARE(l.dhcp, d.dhcp);
        QCOMPARE(l.mainPort, d.mainPort);
        QCOMPARE(l.auxPort, d.auxPort);
        QCOMPARE(l.sessionMinutes, d.sessionMinutes);
        QCOMPARE(l.newPassword, d.newPassword);
        QCOMPARE(l.publicKey, d.publicKey);
        QCOMPARE(read.safes.first().value(QStringLiteral("http_port")), QStringLiteral("8080"));
    }

    void headerIsChecked_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("error");
        const QString type = QStringLiteral("Unknown file type.");
        const QString version = QStringLiteral("Unknown file version.");
        QTest::newRow("plain tag") << QByteArray("SCXMPL;1;42") << QString();
        QTest::newRow("COXMPL") << QByteArray("COXMPL;1;42") << QString();
        QTest::newRow("no stamp") << QByteArray("SCXMPL;1") << QString();
        QTest::newRow("encrypted tag in a plain file") << QByteArray("SCXMCR;1;42") << QString();
        QTest::newRow("extra fields") << QByteArray("SCXMPL;1;42;x") << QString();
        QTest::newRow("version 2") << QByteArray("SCXMPL;2;42") << version;
        QTest::newRow("version 01") << QByteArray("SCXMPL;01;42") << version;
        QTest::newRow("tag only") << QByteArray("SCXMPL") << type;
        QTest::newRow("empty version") << QByteArray("SCXMPL;;42") << version;
        QTest::newRow("tag FOO") << QByteArray("FOO;1;42") << type;
        QTest::newRow("lower-case tag") << QByteArray("scxmpl;1;42") << type;
        QTest::newRow("empty comment") << QByteArray("") << type;
    }

    void headerIsChecked()
    {
        QFETCH(QByteArray, header);
        QFETCH(QString, error);
        const ConfigReadResult read = readConfigBytes(document(header, wrapped(SafeOne)), false);
        QCOMPARE(read.error.text, error);
        if (error.isEmpty()) {
            QVERIFY(read.error.title.isEmpty());
            QCOMPARE(read.safes.size(), 1);
        } else {
            QCOMPARE(read.error.title, QStringLiteral("XML import"));
            QVERIFY(read.safes.isEmpty());
        }
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
        QFile noHeader(fixture("no-header.xml"));
        QVERIFY(noHeader.open(QIODevice::ReadOnly));
        const QString none;
        const QString position = QStringLiteral("Error on line");
        QTest::newRow("standard") << head + wrapped(SafeOne + SafeTwo) << 2 << none;
        QTest::newRow("no header") << noHeader.readAll() << 0 << none;
        QTest::newRow("later comments are no header")
            << head + "<!--FOO-->" + wrapped("<!--x;9-->" + SafeOne) << 1 << none;
        QTest::newRow("safes before the header") << "<regions><branches><safes>" + SafeOne + head +
                                                        SafeTwo + "</safes></branches></regions>"
                                                 << 0 << none;
        QTest::newRow("without mac: only the first")
            << head + wrapped("<safe name=\"x\"/>" + SafeTwo) << 1 << none;
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
        QTest::newRow("entity expansion")
            << "<?xml version=\"1.0\"?><!DOCTYPE regions [" + entities + "]>" + head +
                   wrapped("<safe mac_address=\"01\" name=\"&a9;\"/>")
            << 0 << position;
    }

    void readsTheDeclaredEncoding()
    {
        const QByteArray bytes =
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!--SCXMPL;1;1-->" +
            wrapped("<safe mac_address=\"01\" name=\"caf\xe9\" session_minutes=\"0030\" "
                    "public_key=\"a1-B2-c3-D4-e5-F6-07-18-29-3a-4b-5c\"/>");
        const ConfigReadResult read = readConfigBytes(bytes, false);
        QCOMPARE(read.safes.size(), 1);
        ScoutelContainer record;
        applySafeEntry(read.safes.first(), &record);
        QCOMPARE(record->name, QStringLiteral("caf\u00e9"));
        QCOMPARE(record->sessionMinutes, 30);
        QCOMPARE(record->publicKey, QByteArray::fromHex("A1B2C3D4E5F60718293A4B5C"));
    }

    void documents()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, safes);
        QFETCH(QString, error);
        const ConfigReadResult read = readConfigBytes(bytes, false);
        QCOMPARE(read.safes.size(), safes);
        QVERIFY2(read.error.text.startsWith(error) && read.error.text.isEmpty() == error.isEmpty(),
                 qPrintable(read.error.text));
        QCOMPARE(read.error.title, error.isEmpty() ? QString() : QStringLiteral("XML import"));
    }

    void macForms_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("mac");
        const QByteArray mac = QByteArray::fromHex("001A2B3C4D5E");
        QTest::newRow("plain") << QByteArray("001A2B3C4D5E") << mac;
        QTest::newRow("dashes") << QByteArray("00-1A-2B-3C-4D-5E") << mac;
        QTest::newRow("colons, lower case") << QByteArray("00:1a:2b:3c:4d:5e") << mac;
        QTest::newRow("spaces around") << QByteArray(" 00 1A 2B 3C 4D 5E ") << mac;
        QTest::newRow("no digits") << QByteArray("-:-") << QByteArray();
    }

    void macForms()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, mac);
        const QByteArray safes = "<safe mac_address=\"" + text + "\" name=\"x\"/>" + SafeTwo;
        const ConfigReadResult read =
            readConfigBytes(document("SCXMPL;1;1", wrapped(safes)), false);
        QVERIFY(!read.failed());
        QVERIFY(read.safes.first().hasMac);
        QCOMPARE(read.safes.first().mac, mac);
        QCOMPARE(read.isForAnyDevice(), mac.isEmpty());
    }

    void anyDeviceFileStopsAfterItsFirstSafe()
    {
        const ConfigReadResult read = readConfigFile(fixture("any-device.xml"));
        QVERIFY(!read.failed());
        QCOMPARE(read.safes.size(), 1);
        QVERIFY(read.isForAnyDevice());
        const SafeEntry &entry = read.safes.first();
        QCOMPARE(entry.value(QStringLiteral("name")), QStringLiteral("Lobby"));
        QCOMPARE(entry.value(QStringLiteral("http_port")), QStringLiteral("8080"));

        ScoutelContainer record;
        applySafeEntry(entry, &record);
        QVERIFY(!(record->sendFields & FieldHttpPort));
        QCOMPARE(record->httpPort, 0);
        QCOMPARE(record->ipAddress, QHostAddress(QStringLiteral("192.168.7.20")));

        // Nothing after that safe is read, damaged or not.
        const QByteArray damaged = document("SCXMPL;1;1", "<regions><branches><safes>"
                                                          "<safe mac_address=\"\"/><safe <<<");
        const ConfigReadResult cut = readConfigBytes(damaged, false);
        QVERIFY(!cut.failed());
        QCOMPARE(cut.safes.size(), 1);
    }

    void perDeviceFile_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("plain") << fixture("per-device.xml");
        QTest::newRow("encrypted") << fixture("per-device.lmx");
    }

    void perDeviceFile()
    {
        QFETCH(QString, fileName);
        const ConfigReadResult read = readConfigFile(fileName);
        QVERIFY2(!read.failed(), qPrintable(read.error.text));
        QCOMPARE(read.safes.size(), 3);

        QList<ScoutelContainer> three = targetsFor({MacOne, MacTwo, MacThree});
        QCOMPARE(distribute(read, three),
                 QStringLiteral("Some MAC addresses are missing:\n 00-1A-2B-3C-4D-03"));

        QList<ScoutelContainer> two = targetsFor({MacTwo, MacOne});
        QVERIFY(distribute(read, two).isEmpty());
        const ScoutelSharedData &second = *two.at(0).constData();
        const ScoutelSharedData &first = *two.at(1).constData();
        QCOMPARE(first.name, QStringLiteral("Vault one"));
        QCOMPARE(first.password, QStringLiteral("first secret"));
        QCOMPARE(first.mainPort, 5001);
        QCOMPARE(first.auxPort, 5002);
        QCOMPARE(first.sendFields,
                 quint32(FieldName | FieldMainPort | FieldAuxPort | FieldRestart | FieldApply));
        QCOMPARE(second.name, QStringLiteral("Vault two"));
        QCOMPARE(second.password, QStringLiteral("second secret"));
        QCOMPARE(second.sessionMinutes, 25);
        QCOMPARE(second.sendFields, quint32(FieldName | FieldSessionMinutes | FieldApply));
        for (const ScoutelContainer &target : two)
            QVERIFY(target->name != QStringLiteral("Not ours"));
    }

    void firstTargetWithTheMacWins()
    {
        const ConfigReadResult read =
            readConfigBytes(document("SCXMPL;1;1", wrapped(SafeOne)), false);
        QList<ScoutelContainer> targets = targetsFor({MacTwo, MacOne, MacOne});
        QCOMPARE(findTargetByMac(targets, MacOne), 1);
        QCOMPARE(findTargetByMac(targets, MacThree), -1);
        QCOMPARE(distribute(read, targets),
                 QStringLiteral("Some MAC addresses are missing:\n 00-1A-2B-3C-4D-02 "
                                "00-1A-2B-3C-4D-01"));
        QCOMPARE(targets.at(1)->name, QStringLiteral("one"));
        QVERIFY(targets.at(2)->name.isEmpty());
    }

    void truncatedDocumentReportsPosition()
    {
        const ConfigReadResult read = readConfigFile(fixture("truncated.xml"));
        QCOMPARE(read.error.title, QStringLiteral("XML import"));
        QVERIFY2(read.error.text.startsWith(QStringLiteral("Error on line 7 column 58.\n")),
                 qPrintable(read.error.text));
        QVERIFY(read.error.text.size() > QStringLiteral("Error on line 7 column 58.\n").size());
        QCOMPARE(read.safes.size(), 1);
    }

    void unopenableFile_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("missing") << dir.filePath(QStringLiteral("missing.lmx"));
        QTest::newRow("directory") << dir.path();
    }

    void unopenableFile()
    {
        QFETCH(QString, fileName);
        const ConfigReadResult read = readConfigFile(fileName);
        QVERIFY(read.error.title.isEmpty());
        QCOMPARE(read.error.text, QStringLiteral("Cannot open the file ") + fileName);
    }

    void largeFilesAreRefused()
    {
        QByteArray bytes = document("SCXMPL;1;1", wrapped(SafeOne));
        bytes.append(QByteArray(MaxConfigFileSize - bytes.size(), ' '));
        const ConfigReadResult atLimit = readConfigFile(writeFile("limit.xml", bytes));
        QVERIFY(!atLimit.failed());
        QCOMPARE(atLimit.safes.size(), 1);

        const QString tooLarge = writeFile("large.xml", bytes + ' ');
        const ConfigReadResult over = readConfigFile(tooLarge);
        QVERIFY(over.safes.isEmpty());
        QCOMPARE(over.error.text, QStringLiteral("The file %1 is larger than 1 MiB: it cannot be "
                                                 "a configuration file.")
                                      .arg(tooLarge));

        // A device that reports no size is still read no further than the limit.
        const ConfigReadResult endless = readConfigFile(QStringLiteral("/dev/zero"));
        QVERIFY(endless.error.text.startsWith(QStringLiteral("The file /dev/zero is larger")));
    }

    void undecryptableFileEndsInXmlError_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("warns");
        FileCipher cipher = ConfigStorage::cipher();
        const QByteArray good = cipher.encrypt(document("SCXMPL;1;1", wrapped(SafeOne)));
        QByteArray damaged = good;
        damaged[damaged.size() / 2] = char(damaged.at(damaged.size() / 2) ^ 1);
        QTest::newRow("plain text") << document("SCXMPL;1;1", wrapped(SafeOne)) << true;
        QTest::newRow("damaged") << damaged << false;
        QTest::newRow("other key") << FileCipher(1).encrypt("<regions/>") << false;
        QTest::newRow("empty") << QByteArray() << true;

        // A compressed size field claiming 2 GiB over a genuine little stream.
        QByteArray claim = qCompress(document("SCXMPL;1;1", wrapped(SafeOne)), 9);
        claim[0] = char(0x80);
        cipher.setCompressionMode(FileCipher::CompressNever);
        QByteArray huge = cipher.encrypt(claim);
        huge[1] = char(huge.at(1) | 0x01);
        QTest::newRow("claims 2 GiB") << huge << false;
    }

    void undecryptableFileEndsInXmlError()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, warns);
        const QString fileName = writeFile(QStringLiteral("broken.lmx"), bytes);
        if (warns)
            QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        const ConfigReadResult read = readConfigFile(fileName);
        QCOMPARE(read.error.title, QStringLiteral("XML import"));
        QVERIFY2(read.error.text.startsWith(QStringLiteral("Error on line 1 column 0.\n")),
                 qPrintable(read.error.text));
        QVERIFY(read.safes.isEmpty());
    }

    void sendFieldsFollowPresentAttributes_data()
    {
        QTest::addColumn<Pairs>("attributes");
        QTest::addColumn<quint32>("sendFields");
        QTest::newRow("nothing") << Pairs{} << quint32(FieldApply);
        QTest::newRow("password only") << Pairs{{"password", "p"}} << quint32(FieldApply);
        QTest::newRow("name") << Pairs{{"name", "N"}} << quint32(FieldName | FieldApply);
        QTest::newRow("dhcp alone") << Pairs{{"dhcp", "true"}} << (NetworkBits | FieldApply);
        QTest::newRow("gateway alone")
            << Pairs{{"gateway", "10.0.0.1"}} << (NetworkBits | FieldApply);
        QTest::newRow("tcp port alone") << Pairs{{"tcp_port", "1"}} << (PortBits | FieldApply);
        QTest::newRow("aux port alone") << Pairs{{"aux_port", "1"}} << (PortBits | FieldApply);
        QTest::newRow("http port is not read") << Pairs{{"http_port", "80"}} << quint32(FieldApply);
        QTest::newRow("session") << Pairs{{"session_minutes", "5"}}
                                 << quint32(FieldSessionMinutes | FieldApply);
        QTest::newRow("empty new password")
            << Pairs{{"new_password", ""}} << quint32(FieldNewPassword | FieldApply);
        QTest::newRow("public key")
            << Pairs{{"public_key", "00"}} << quint32(FieldPublicKey | FieldApply);
        QTest::newRow("restart") << Pairs{{"restart", "true"}}
                                 << quint32(FieldRestart | FieldApply);
        QTest::newRow("restart True is false") << Pairs{{"restart", "True"}} << quint32(FieldApply);
        QTest::newRow("unknown attribute") << Pairs{{"colour", "red"}} << quint32(FieldApply);
    }

    void sendFieldsFollowPresentAttributes()
    {
        QFETCH(Pairs, attributes);
        QFETCH(quint32, sendFields);
        ScoutelContainer earlier;
        earlier->sendFields = FieldName | FieldHttpPort | FieldDns;
        QCOMPARE(applied(attributes, earlier)->sendFields, sendFields);
    }

    void networkValues()
    {
        const ScoutelContainer record = applied({{"ip_address", "192.168.7.20"},
                                                 {"subnet_mask", "255.255.255.0"},
                                                 {"gateway", "192.168.7.1"},
                                                 {"dhcp", "true"}});
        QCOMPARE(record->ipAddress, QHostAddress(QStringLiteral("192.168.7.20")));
        QCOMPARE(record->subnetMask, QHostAddress(QStringLiteral("255.255.255.0")));
        QCOMPARE(record->gateway, QHostAddress(QStringLiteral("192.168.7.1")));
        QCOMPARE(record->dhcp, 1);

        ScoutelContainer dhcpBefore;
        dhcpBefore->dhcp = 1;
        dhcpBefore->gateway = QHostAddress(QStringLiteral("10.0.0.1"));
        const ScoutelContainer partial = applied({{"ip_address", "10.0.0.5"}}, dhcpBefore);
        QCOMPARE(partial->dhcp, 0);
        QVERIFY(partial->gateway.isNull());
        QCOMPARE(applied({{"dhcp", "TRUE"}})->dhcp, 0);
    }

    void portValuesAsTheSpinBoxesTakeThem_data()
    {
        QTest::addColumn<Pairs>("attributes");
        QTest::addColumn<int>("mainPort");
        QTest::addColumn<int>("auxPort");
        QTest::newRow("both") << Pairs{{"tcp_port", "5001"}, {"aux_port", "0"}} << 5001 << 0;
        QTest::newRow("main only keeps the form's aux") << Pairs{{"tcp_port", "7"}} << 7 << 1001;
        QTest::newRow("aux only keeps the form's main") << Pairs{{"aux_port", "7"}} << 1000 << 7;
        QTest::newRow("not a number") << Pairs{{"tcp_port", "abc"}, {"aux_port", ""}} << 0 << 0;
        QTest::newRow("clamped") << Pairs{{"tcp_port", "70000"}, {"aux_port", "-5"}} << 65535 << 0;
        QTest::newRow("blanks and sign")
            << Pairs{{"tcp_port", " 42 "}, {"aux_port", "+43"}} << 42 << 43;
    }

    void portValuesAsTheSpinBoxesTakeThem()
    {
        QFETCH(Pairs, attributes);
        QFETCH(int, mainPort);
        QFETCH(int, auxPort);
        const ScoutelContainer record = applied(attributes);
        QCOMPARE(record->mainPort, mainPort);
        QCOMPARE(record->auxPort, auxPort);
    }

    void absentPasswordAndRestartKeepTheRecords()
    {
        ScoutelContainer earlier;
        earlier->password = QStringLiteral("typed");
        earlier->sendFields = FieldRestart | FieldApply;
        const ScoutelContainer kept = applied({{"name", "x"}}, earlier);
        QCOMPARE(kept->password, QStringLiteral("typed"));
        QVERIFY(kept->sendFields & FieldRestart);

        const ScoutelContainer replaced =
            applied({{"password", ""}, {"restart", "false"}}, earlier);
        QVERIFY(replaced->password.isEmpty());
        QVERIFY(!(replaced->sendFields & FieldRestart));
        QCOMPARE(earlier->password, QStringLiteral("typed"));
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
};

QTEST_GUILESS_MAIN(TestConfigReader)
#include "tst_configreader.moc"
