// Configuration files: files read into safe entries, entries written into the
// edit form's record, records saved as files.
#include "configreader.h"
#include "configurationform.h"
#include "testfiles.h"
#include "xmlformat.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray wrapped(const QByteArray &safes)
{
    return "<regions><branches><safes>" + safes + "</safes></branches></regions>\n";
}

const QByteArray Head = "<!--SCXMPL;1;1-->";
const QByteArray SafeOne = "<safe mac_address=\"001A2B3C4D01\" password=\"p\" name=\"one\"/>";
const QByteArray SafeTwo = "<safe mac_address=\"001A2B3C4D02\" password=\"p\" name=\"two\"/>";

ScoutelContainer minimalRecord()
{
    ScoutelContainer record;
    record->password = QStringLiteral("current");
    record->sendFields = FieldApply;
    return record;
}
} // namespace

class TestConfigReader : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    int filesMade = 0;

    // A new file of its own for each row; encrypted unless the name ends in ".xml".
    QString newFile(const QByteArray &bytes, const char *suffix = ".xml")
    {
        const QString fileName = dir.filePath(QString::number(++filesMade) + QLatin1String(suffix));
        if (!writeFileContent(fileName, bytes))
            qFatal("cannot prepare %s", qPrintable(fileName));
        return fileName;
    }

private Q_SLOTS:
    // Which safes a file yields, and the start of its error text; what the cipher
    // cannot read ends as an XML error at the start.
    void files_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("safes");
        QTest::addColumn<QString>("error");
        QByteArray entities = "<!ENTITY a0 \"xxxxxxxxxxxxxxxx\">";
        for (int i = 1; i < 10; ++i)
            entities += "<!ENTITY a" + QByteArray::number(i) + " \"" +
                        ("&a" + QByteArray::number(i - 1) + ';').repeated(10) + "\">";
        const QString none;
        const QString type = QStringLiteral("Unknown file type.");
        const QString version = QStringLiteral("Unknown file version.");
        const QString fixtures = QStringLiteral(SCOUTEL_TEST_DATA "/config/");
        const auto row = [this](const char *name, const QByteArray &bytes, int safes,
                                const QString &error) {
            QTest::newRow(name) << newFile(bytes) << safes << error;
        };
        const QList<QPair<const char *, QString>> headers = {
            {"COXMPL;1;42", none},   {"SCXMPL;1", none},       {"SCXMCR;1;42", none},
            {"SCXMPL;1;42;x", none}, {"SCXMPL;2;42", version}, {"SCXMPL;01;42", version},
            {"SCXMPL", type},        {"FOO;1;42", type},       {"scxmpl;1;42", type}};
        for (const auto &[header, error] : headers)
            QTest::addRow("header %s", header)
                << newFile("<!--" + QByteArray(header) + "-->" + wrapped(SafeOne))
                << int(error.isEmpty()) << error;
        QTest::newRow("no header") << fixtures + "no-header.xml" << 0 << none;
        QTest::newRow("per-device file") << fixtures + "per-device.xml" << 3 << none;
        QTest::newRow("any-device file") << fixtures + "any-device.xml" << 1 << none;
        row("later comments are no header", Head + "<!--FOO-->" + wrapped("<!--x;9-->" + SafeOne),
            1, none);
        row("safes before the header",
            "<regions><branches><safes>" + SafeOne + Head + SafeTwo +
                "</safes></branches></regions>",
            0, none);
        // A safe without a MAC is for any device: nothing after it is read.
        row("without mac", Head + wrapped("<safe name=\"x\"/>" + SafeTwo), 1, none);
        // Only a first safe is for any device: a later one without MAC matches none.
        row("later without mac", Head + wrapped(SafeOne + "<safe name=\"x\"/>" + SafeTwo), 3, none);
        row("safe outside safes", Head + "<regions><branches>" + SafeOne + "</branches></regions>",
            0, none);
        row("unknown wrappers pass",
            Head + "<regions><x><branches><y><safes><z>" + SafeOne +
                "</z></safes></y></branches></x></regions>",
            1, none);
        row("wrong order",
            Head + "<branches><regions><safes>" + SafeOne + "</safes></regions></branches>", 0,
            none);
        row("after closing safes",
            Head + "<regions><branches><safes>" + SafeOne + "</safes>" + SafeTwo +
                "</branches></regions>",
            1, none);
        row("nul after the end", Head + wrapped(SafeOne) + QByteArray("\0<<garbage", 10), 1, none);
        QTest::newRow("truncated")
            << fixtures + "truncated.xml" << 1 << QStringLiteral("Error on line 7 column 58.\n");
        row("entity expansion",
            "<?xml version=\"1.0\"?><!DOCTYPE regions [" + entities + "]>" + Head +
                wrapped("<safe mac_address=\"01\" name=\"&a9;\"/>"),
            0, QStringLiteral("Error on line"));
        // What the cipher cannot read, a plain file under an encrypted name here.
        QTest::newRow("plain text") << newFile(Head + wrapped(SafeOne), ".lmx") << 0
                                    << QStringLiteral("Error on line 1 column 0.\n");
        // Files that are not read at all.
        const QByteArray full = (Head + wrapped(SafeOne)).leftJustified(MaxConfigFileSize, ' ');
        row("at the limit", full, 1, none);
        const QString large = newFile(full + ' ');
        const QString missing = dir.filePath(QStringLiteral("missing.lmx"));
        const QString tooLarge =
            QStringLiteral("The file %1 is larger than 1 MiB: it cannot be a configuration file.");
        QTest::newRow("missing") << missing << 0 << "Cannot open the file " + missing;
        QTest::newRow("large") << large << 0 << tooLarge.arg(large);
        // A device that reports no size is still read no further than the limit.
        QTest::newRow("endless") << "/dev/zero" << 0 << tooLarge.arg("/dev/zero");
    }

    void files()
    {
        QFETCH(QString, fileName);
        QFETCH(int, safes);
        QFETCH(QString, error);
        if (QTest::currentDataTag() == QLatin1String("plain text"))
            QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        const ConfigReadResult read = readConfigFile(fileName);
        QCOMPARE(read.safes.size(), safes);
        QVERIFY2(read.error.text.startsWith(error) && read.failed() == !error.isEmpty(),
                 qPrintable(read.error.text));
        // Failures inside a document carry the import title; a file not read at all, none.
        const bool inDocument = !error.isEmpty() && !error.startsWith(QLatin1String("Cannot")) &&
                                !error.startsWith(QLatin1String("The file"));
        QCOMPARE(read.error.title, inDocument ? QStringLiteral("XML import") : QString());
    }

    // A safe read over the edit form's record, and the file saved from that: header
    // with time stamp, then the fields to send in the file's order. The safe is read
    // in the encoding its document declares, Latin-1.
    void entries_data()
    {
        QTest::addColumn<QByteArray>("safe");
        QTest::addColumn<QByteArray>("written"); // empty: no file can be saved
        const QByteArray every =
            "mac_address=\"\" password=\"current\" name=\"Vault &lt;A&amp;B&gt; &quot;\xc3\xa9"
            "ast&quot;\" ip_address=\"192.168.7.20\" subnet_mask=\"255.255.255.0\" "
            "gateway=\"192.168.7.1\" dhcp=\"true\" tcp_port=\"5001\" aux_port=\"5002\" "
            "session_minutes=\"25\" new_password=\"next\" "
            "public_key=\"a1b2c3d4e5f60718293a4b5c\" restart=\"true\"";
        QTest::newRow("every attribute, http port not read")
            << "<safe " + QByteArray(every).replace("\xc3\xa9", "\xe9") + " http_port=\"8080\"/>"
            << every;
        // The form sends its name, http port and restart; restart is kept while absent.
        QTest::newRow("nothing") << QByteArray("<safe/>")
                                 << QByteArray(
                                        "mac_address=\"\" password=\"typed\" restart=\"true\"");
        QTest::newRow("empty password") << QByteArray("<safe password=\"\"/>") << QByteArray();
        QTest::newRow("address alone clears the rest, no restart")
            << QByteArray("<safe ip_address=\"10.0.0.5\" restart=\"false\"/>")
            << QByteArray("mac_address=\"\" password=\"typed\" ip_address=\"10.0.0.5\" "
                          "subnet_mask=\"\" gateway=\"\" dhcp=\"false\" restart=\"false\"");
        QTest::newRow("dhcp TRUE is false")
            << QByteArray("<safe dhcp=\"TRUE\"/>")
            << QByteArray("mac_address=\"\" password=\"typed\" ip_address=\"\" subnet_mask=\"\" "
                          "gateway=\"\" dhcp=\"false\" restart=\"true\"");
        QTest::newRow("main port, the form's aux")
            << QByteArray("<safe tcp_port=\"+07\"/>")
            << QByteArray("mac_address=\"\" password=\"typed\" tcp_port=\"7\" aux_port=\"1001\" "
                          "restart=\"true\"");
    }

    void entries()
    {
        QFETCH(QByteArray, safe);
        QFETCH(QByteArray, written);
        ScoutelContainer record; // as the form left it
        record->password = QStringLiteral("typed");
        record->dhcp = 1;
        record->gateway = QHostAddress(QStringLiteral("10.0.0.1"));
        record->sendFields = FieldName | FieldHttpPort | FieldRestart;
        ConfigurationForm base;
        base.password = record->password;
        base.restart = true;
        const QByteArray latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>";
        const ConfigReadResult file = readConfigBytes(latin1 + Head + wrapped(safe), false);
        ConfigurationForm::fromAttributes(file.safes.value(0).attributes, base)
            .writeInto(*record.data());
        QVERIFY(record->sendFields & FieldApply);
        const QString fileName = dir.filePath(QStringLiteral("plain.xml"));
        const quint32 before = quint32(QDateTime::currentSecsSinceEpoch()) & 0x1FFFFFFF;
        QCOMPARE(XmlFormat().save(fileName, &record), written.isEmpty() ? -1 : 0);
        const quint32 after = quint32(QDateTime::currentSecsSinceEpoch()) & 0x1FFFFFFF;
        if (written.isEmpty())
            return;
        const QByteArray bytes = fileContent(fileName);
        const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--SCXMPL;1;";
        QVERIFY2(bytes.startsWith(head), bytes.constData());
        const quint32 stamp = bytes.mid(head.size(), bytes.indexOf("-->") - head.size()).toUInt();
        QVERIFY(stamp >> 3 >= before && stamp >> 3 <= after);
        const QByteArray body =
            "-->\n<regions>\n    <branches>\n        <safes>\n            <safe " + written +
            "/>\n        </safes>\n    </branches>\n</regions>\n";
        QCOMPARE(bytes.mid(bytes.indexOf("-->")), body);
    }

    // A refused save names the reason and leaves any earlier file as it was.
    void refusedSaves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ScoutelContainer>("record");
        QTest::addColumn<QString>("error");
        ScoutelContainer bell = minimalRecord();
        bell->name = QStringLiteral("bell\x07");
        bell->sendFields |= FieldName;
        const QString unset = QStringLiteral("Filename or data not set.");
        const QString cannotWrite = QStringLiteral("Cannot write to the file: ");
        QTest::newRow("no name") << QString() << minimalRecord() << unset;
        QTest::newRow("no record") << "no-record.xml" << ScoutelContainer() << unset;
        QTest::newRow("control character")
            << "control.xml" << bell
            << "The configuration holds characters that cannot be stored in a file.";
        QTest::newRow("unopenable") << "plain-file/inside.lmx" << minimalRecord() << cannotWrite;
        // As a full disk would: the write is cut short.
        QTest::newRow("write cut short") << "cut.lmx" << minimalRecord() << cannotWrite;
    }

    void refusedSaves()
    {
        QFETCH(QString, name);
        QFETCH(ScoutelContainer, record);
        QFETCH(QString, error);
        QVERIFY(writeFileContent(dir.filePath(QStringLiteral("plain-file")), {}));
        const QString fileName = name.isEmpty() ? name : dir.filePath(name);
        ScoutelContainer earlier = minimalRecord();
        XmlFormat format;
        if (!name.isEmpty() && !name.contains(QLatin1Char('/')))
            QCOMPARE(format.save(fileName, &earlier), 0);
        const QByteArray before = fileContent(fileName);
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
        rlimit normal{};
        getrlimit(RLIMIT_FSIZE, &normal); // binds root too
        rlimit limited = normal;
        limited.rlim_cur = name.startsWith(QLatin1String("cut")) ? 16 : normal.rlim_cur;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limited);
        const bool unset = record->password.isEmpty() && record->sendFields == 0;
        const int result = format.save(fileName, unset ? nullptr : &record);
        setrlimit(RLIMIT_FSIZE, &normal);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(result, -1);
        QCOMPARE(format.lastError(), error.endsWith(QLatin1Char(' ')) ? error + fileName : error);
        QCOMPARE(fileContent(fileName), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
    }
};

QTEST_GUILESS_MAIN(TestConfigReader)
#include "tst_configreader.moc"
