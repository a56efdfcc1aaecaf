#include "consoleprocess.h"
#include "hextext.h"
#include "netguard.h"
#include "packetcodec.h"
#include "simulatorprocess.h"
#include "testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

namespace {
// The search window: the command line takes what answers within it, so it
// is long enough for a starved simulator on a loaded machine to answer.
const QString Window = QStringLiteral("-t=1500");
const QString DeviceOneMac = QStringLiteral("02 53 43 00 00 01");

// The block list mode prints for device number i of an untouched simulated fleet.
QStringList simulatedBlock(int device, int count, const QString &name)
{
    return QStringLiteral(
               "# %1|02 53 43 00 00 %2|%3|127.0.0.%4|255.0.0.0|127.0.0.1|127.0.0.1|0|%5|%6|%7|15")
        .arg(count)
        .arg(device, 2, 10, QLatin1Char('0'))
        .arg(name)
        .arg(device + 1)
        .arg(10000 + device)
        .arg(20000 + device)
        .arg(30000 + device)
        .split(QLatin1Char('|'));
}

// Each device a list run finds, as "name value" of one key of --json, sorted.
QStringList listedDevices(const QStringList &options, const char *key)
{
    const ConsoleRun run = runScoutel(QStringList{"-X", "--json", Window} + options);
    QStringList found;
    for (const QByteArray &line : run.standardOutput.split('\n')) {
        const QJsonObject device = QJsonDocument::fromJson(line).object();
        if (!device.isEmpty())
            found << device["name"].toString() + ' ' + device[key].toString();
    }
    found.sort();
    return found;
}
} // namespace

// The program against a simulated fleet: one row of the exit-status table per test.
class TestConsoleRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { NetGuard::requirePrivateNetwork("tst_consolerun"); }

    // Names with line breaks and control characters cannot forge lines.
    void listsEveryDevice()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(
            sim, QStringList({"--count", "2", "--name-prefix", "S\n# Search complete\t\x7f"}));
        const ConsoleRun run = runScoutel({"-X", Window});
        QCOMPARE(run.status, 0);
        // The devices answer in either order; the counts follow the arrival.
        const QString name = QStringLiteral("S\\x0a# Search complete\\x09\\x7f ");
        const QStringList expected =
            run.reportLines.value(1) == DeviceOneMac
                ? simulatedBlock(1, 1, name + '1') + simulatedBlock(2, 2, name + '2')
                : simulatedBlock(2, 1, name + '2') + simulatedBlock(1, 2, name + '1');
        QCOMPARE(run.reportLines, expected + QStringList{"# Search complete"});
    }

    // How a run ends, by what the fleet does: one row per outcome.
    void runOutcome_data()
    {
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("configurationRequests");
        const auto row = [](const char *name, const QStringList &simulator,
                            const QStringList &arguments, const QStringList &lines, int requests) {
            QTest::newRow(name) << simulator << arguments << lines << requests;
        };
        const QStringList configure{"-x=secret", "-n=Vault", Window};
        const QStringList list{"-X", Window};
        const QStringList block = simulatedBlock(1, 1, "Safe 1");
        const QStringList listed = block + QStringList{"# Search complete"};
        const QStringList noData{"-403", "No data to send."};
        const QStringList timeout{"-402", "Timeout on config."};
        const QStringList notFound{"-400", "No device found."};
        const auto refused = [](int code, const QString &text) {
            return QStringList{QString::number(code), "Error on " + DeviceOneMac + ": " + text};
        };
        row("two devices", {"--count", "2"}, configure,
            {"-401", "More than one device found, there must be only one."}, 0);
        row("password only", {}, {"-x=secret", Window}, noData, 0);
        // -Xyz chooses the command-line mode without list mode.
        row("-Xyz", {}, {"-Xyz", Window}, noData, 0);
        row("no configuration answer", {"--mute-config", "1"}, configure, timeout, 1);
        row("wrong password", {"--password", "right"}, {"-x=wrong", "-n=Vault", Window},
            refused(-106, "wrong password"), 1);
        row("generic verdict", {"--verdict", "-2"}, configure, refused(-2, "ERROR_GENERIC"), 1);
        row("search answer in list mode", {"--search-result", "-102"}, list,
            refused(-102, "ERROR_FIELD_DENY"), 0);
        row("search answer before configuring", {"--search-result", "-100"}, configure,
            refused(-100, "ERROR_FIELD_LENGTH"), 0);
        // A configuration answer ends the run only as the configured device's
        // answer to the request sent to it.
        row("stray configuration answer during the search window",
            {"--ignore-search", "1", "--stray-config", "1"}, configure, notFound, 0);
        row("stray configuration answer in list mode", {"--stray-config", "1"}, list, listed, 0);
        row("configuration answer from another device",
            {"--count", "2", "--ignore-search", "2", "--stray-config", "2", "--mute-config", "1"},
            configure, timeout, 1);
        QStringList warnings;
        for (int tag = 200; tag < 208; ++tag)
            warnings << QStringLiteral("Scoutel: unknown field %1 long 0").arg(tag);
        row("unknown fields warned about briefly", {"--unknown-fields", "30"}, list,
            warnings + QStringList{"Scoutel: 22 more unknown fields left out"} + listed, 0);
        row("foreign datagram after the answer", {"--foreign"}, list,
            block + QStringList{"-204", "Receive error: ERROR_IN_SEQUENCE"}, 0);
        // -t sets both waits: the search window, and the wait for the configuration answer.
        row("device answering after 700 ms, -t=4000", {"--delay", "700"},
            {"-x=secret", "-n=Vault", "-t=4000"}, {"0", DeviceOneMac, "127.0.0.2"}, 1);
        // -X chooses the command-line mode, so the run searches.
        row("--help among others", {"--ignore-search", "1"}, {"--help", "-X", Window}, notFound, 0);
    }

    void runOutcome()
    {
        QFETCH(QStringList, simulator);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lines);
        QFETCH(int, configurationRequests);
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, simulator);
        const ConsoleRun run = runScoutel(arguments);
        QCOMPARE(run.reportLines, lines);
        QCOMPARE(run.standardOutput, QByteArray()); // no help among the options
        // A run ends with the code above its message (a MAC reads as 0); a complete list ends 0.
        const bool listed = lines.constLast() == QLatin1String("# Search complete");
        QCOMPARE(run.status, listed ? 0 : lines.at(lines.size() - 2).toInt() & 0xFF);
        QCOMPARE(sim.requests(3).size(), configurationRequests);
        if (simulator.contains(QStringLiteral("--stray-config")))
            QVERIFY(!sim.events(QStringLiteral("stray")).isEmpty());
    }

    // Every refused value ends the run before the search: nothing reaches a device.
    void refusedBeforeAnythingIsSent_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const auto add = [](const QStringList &arguments, const QString &message) {
            QTest::newRow(qPrintable(arguments.join(' '))) << arguments << message;
        };
        // Each message once; which values are refused is the rules' test (tst_core).
        // Only the first problem in table order is told; the timeout comes first.
        add({"-k=bad", "-p1=99999", "-i=bad"}, "bad is not a valid IP address");
        add({"-g=bad", "-m=bad"}, "bad is not a valid Subnet Mask");
        add({"-X", "-t=-20", "-i=bad"},
            "-20 is not a valid timeout: give a number of milliseconds, 0 or more");
        add({"-p2=65536"}, "65536 is not a valid TCP port");
        add({"-k=00112233445566778899aab"}, "00112233445566778899aab is not a valid Public key");
        add({"-s=1e3"},
            "1e3 is not a valid session length: give a number of minutes from 0 to 65535");
        add({QString::fromUtf8("-x=\u5bc6\u7801"), "-n=Vault"},
            "-x holds characters a device cannot store: use Latin-1 characters only");
        const QString tooLong = QStringLiteral(" is longer than the 64 characters a device stores");
        add({"-p=" + QString(65, 'p')}, "-p" + tooLong);
        add({"-n=" + QString(65, 'N'), "-f=saved.xml"}, "-n" + tooLong); // and no file
    }

    void refusedBeforeAnythingIsSent()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir directory; // where -f would write
        arguments.replaceInStrings(QStringLiteral("-f="), "-f=" + directory.path() + '/');
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, {});
        const ConsoleRun run = runScoutel(QStringList{Window, "-x=a"} + arguments);
        QCOMPARE(run.status, 255);
        QCOMPARE(run.reportLines, QStringList({"-1", message}));
        QVERIFY(sim.events(QStringLiteral("request")).isEmpty());
        QVERIFY(QDir(directory.path()).isEmpty());
    }

    // A device answering twice is one device: one block, and it takes the
    // configuration sent with its latest challenge.
    void configurationSucceedsAndTheDeviceShowsIt()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, QStringList({"--answer-twice"}));
        // "-x=" alone: the password comes from the environment, not the process list.
        qputenv("SCOUTEL_PASSWORD", "secret");
        const ConsoleRun rename = runScoutel({"-x=", "-n=Front office", Window});
        qunsetenv("SCOUTEL_PASSWORD");
        QCOMPARE(rename.status, 0);
        QCOMPARE(rename.reportLines, QStringList({"0", DeviceOneMac, "127.0.0.2"}));
        QCOMPARE(sim.events(QStringLiteral("apply")).size(), 1);
        // A save the file writer refuses is told in one line and does not change the run.
        QTemporaryDir directory;
        const QString unsaved = directory.filePath(QStringLiteral("no-password.xml"));
        const ConsoleRun list = runScoutel({"-X", "-f=" + unsaved, Window});
        QCOMPARE(list.status, 0);
        QCOMPARE(list.reportLines, QStringList{"The configuration was not saved to " + unsaved +
                                               ": Password cannot be empty."} +
                                       simulatedBlock(1, 1, "Front office") +
                                       QStringList{"# Search complete"});
        QVERIFY(!QFile::exists(unsaved));
    }

    // What the device decrypts, in order, for options that touch every field.
    // The values sit at the edges of what is accepted; odd address texts go
    // out as checked: no octal, empty parts dropped.
    void configurationRequestFields()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, {});
        const QString name = QString::fromLatin1("Tr\xe9sor ") + QString(57, QLatin1Char('N'));
        QTemporaryDir directory; // -f saves the same record
        const QString saved = directory.filePath(QStringLiteral("out.xml"));
        const ConsoleRun run = runScoutel(
            {"-x=secret", "-n=" + name, "-d=true", "-i=+010..001.2.3", "-m=255.255.255.0",
             "-g=10.1.2.1.", "-p1=65535", "-p2=0", "-ph=+8080", "-s=65535", "-p=n3wpw",
             "-k=00112233445566778899aAbB", "-r", "-f=" + saved, Window});
        QCOMPARE(run.status, 0);
        QVERIFY(fileContent(saved).contains("public_key=\"00112233445566778899aabb\""));
        const auto searches = sim.requests(1);
        const auto configurations = sim.requests(3);
        QCOMPARE(searches.size(), 1);
        QCOMPARE(configurations.size(), 1);
        QString fields;
        const QJsonArray list = configurations.first().value("fields").toArray();
        for (const QJsonValue &field : list)
            fields +=
                QStringLiteral("%1: %2|").arg(field["tag"].toInt()).arg(field["value"].toString());
        const QString confirmation = hexText(PacketCodec::confirmationValue());
        QCOMPARE(fields, "90: " + searches.first().value("challenge").toString() +
                             "|10: 0A 01 02 03|11: FF FF FF 00|12: 0A 01 02 01|17: 00 01|18: FF FF|"
                             "19: 00 00|29: 1F 90|20: FF FF|21: " +
                             hexText(name.toLatin1()) +
                             "|22: XX XX XX XX XX|23: 00 11 22 33 44 55 66 77 88 99 AA BB|91: " +
                             confirmation + "|92: " + confirmation + '|');
    }

    // The version and where the catalogues are, and no report; tst_packageoptions
    // runs --help and compares what it lists with the manual page.
    void versionNamesTheCatalogues()
    {
        const ConsoleRun run = runScoutel({"--version"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.standardOutput,
                 QByteArray("Scoutel " SCOUTEL_VERSION_TEXT "\n"
                            "Languages in " SCOUTEL_BIN_DIR "/languages: de en it\n"));
        QCOMPARE(run.reportLines, QStringList());
    }

    // On the namespace's two networks, --interface chooses where the run goes.
    void choosesTheNetworkInterface()
    {
        SimulatorProcess first;
        SimulatorProcess second;
        SCOUTEL_START_SIM(first, QStringList({"--interface", "sctlnet1", "--count", "2"}));
        SCOUTEL_START_SIM(second, QStringList({"--interface", "sctlnet2", "--name-prefix", "B"}));
        QCOMPARE(listedDevices({"--interface=all"}, "interface"),
                 QStringList({"B 1 sctlnet2", "Safe 1 sctlnet1", "Safe 2 sctlnet1"}));
        QCOMPARE(listedDevices({"--interface=sctlnet2"}, "interface"), QStringList{"B 1 sctlnet2"});
        // The system's route: loopback, nobody there.
        QCOMPARE(listedDevices({"-t=300"}, "interface"), QStringList());
        const ConsoleRun unknown = runScoutel({"-X", "--interface=eth9", Window});
        QCOMPARE(unknown.status, 255);
        QCOMPARE(unknown.reportLines,
                 QStringList({"-1", "eth9 is not a usable network interface: give one of "
                                    "sctlnet1, sctlnet2, all or default"}));
    }

    // Each configuration run leaves one line in the log, printed alone on
    // standard output with --json; --history reads the log back. No password
    // or key reaches any output or any file the runs wrote.
    void recordsEachOperation()
    {
        const QString current = "Cur-7h2Xw", fresh = "New-Pw-9f3Kq",
                      key = "a1b2c3d4e5f60718293a4b5c";
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, QStringList({"--password", current}));
        QTemporaryDir home, broken;
        QList<ConsoleRun> runs{
            runScoutel({"-x=wrong", "-n=Vault", Window}, 30000, home.path()),
            runScoutel({"-x=" + current, "-p=" + fresh, "-k=" + key, "--json", Window}, 30000,
                       home.path())};
        QCOMPARE(runs[0].status, -106 & 0xFF);
        QCOMPARE(runs[1].status, 0);
        const QByteArray log = fileContent(home.filePath("scoutel/operations.jsonl"));
        QCOMPARE(log.split('\n').value(1) + '\n', runs[1].standardOutput);
        const QJsonObject record = QJsonDocument::fromJson(runs[1].standardOutput).object();
        const QJsonObject target = record["targets"][0].toObject();
        QCOMPARE(target["result"], "OK");
        QCOMPARE(target["changed"].toObject(),
                 QJsonObject({{"new_password", true}, {"public_key", true}}));
        QCOMPARE(int(QFileInfo(home.filePath("scoutel/operations.jsonl")).permissions() & 0x0077),
                 0);
        // Newest first; --mac takes any separators.
        runs << runScoutel({"--history"}, 30000, home.path())
             << runScoutel({"--history", "--json", "--mac=02:53:43:00:00:01"}, 30000, home.path())
             << runScoutel({"--history", "--mac=025343000002"}, 30000, home.path());
        QVERIFY(runs[2].standardOutput.startsWith(
            QByteArray(record["time"].toString().toUtf8()) +
            "  command line  1 devices, 1 confirmed, 0 failed\n"));
        QVERIFY(runs[2].standardOutput.contains(
            "02-53-43-00-00-01  127.0.0.2  refused ERROR_WRONG_PASSWORD  Safe 1\n"));
        const QList<QByteArray> lines = log.split('\n');
        QCOMPARE(runs[3].standardOutput, lines[1] + '\n' + lines[0] + '\n');
        QCOMPARE(runs[4].standardOutput, QByteArray());
        // A log that cannot be written does not stop the run, and is told.
        QVERIFY(writeFileContent(broken.filePath("scoutel"), "a file"));
        runs << runScoutel({"-x=" + fresh, "-n=Vault", Window}, 30000, broken.path());
        QCOMPARE(runs.last().status, 0);
        QVERIFY(runs.last().reportLines.first().startsWith(
            "The operation was not recorded in the log: "));
        QStringList written;
        for (const QString &folder : {home.path(), broken.path()}) {
            QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (files.hasNext())
                written << QString::fromUtf8(fileContent(files.next()));
        }
        for (const ConsoleRun &run : std::as_const(runs))
            written << QString::fromUtf8(run.standardOutput) << run.reportLines.join('\n');
        for (const QString &secret : {current, fresh, key, key.toUpper()})
            QVERIFY2(!written.join('\n').contains(secret), qPrintable(secret));
    }

    // A plan against a fleet of three on a network of its own; a later list
    // shows each device as it ended up ("name address").
    void plan_data()
    {
        QTest::addColumn<QByteArray>("plan");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("requests"); // as the devices log them: a search reaches three
        QTest::addColumn<QList<int>>("configured"); // the devices, in the order sent
        QTest::addColumn<QStringList>("devices");
        const QByteArray moves = "mac_address,name,ip_address\n"
                                 "02-53-43-%1-00-01,Vault A,10.1.0.50\n"
                                 "02-53-43-%1-00-02,,10.1.0.2\n";
        const QStringList preview{
            "row 2 (02-53-43-%1-00-01): name: Safe 1 -> Vault A; ip_address: 10.1.0.2 -> 10.1.0.50",
            "row 3 (02-53-43-%1-00-02): ip_address: 10.1.0.3 -> 10.1.0.2",
            "02-53-43-%1-00-03 Safe 3: not in the plan, untouched"};
        const QStringList untouched{"Safe 1 10.1.0.2", "Safe 2 10.1.0.3", "Safe 3 10.1.0.4"};
        QTest::newRow("dry run") << moves << QStringList()
                                 << preview +
                                        QStringList{"0", "The plan was checked; nothing was sent."}
                                 << 3 << QList<int>() << untouched;
        // Device 1 leaves 10.1.0.2 before device 2 takes it.
        QTest::newRow("apply") << moves << QStringList{"--apply", "-x=secret"}
                               << preview + QStringList{"0", "Every planned device took its row."}
                               << 3 + 2 << QList<int>{1, 2}
                               << QStringList{"Safe 2 10.1.0.2", "Safe 3 10.1.0.4",
                                              "Vault A 10.1.0.50"};
        QTest::newRow("swap refused")
            << QByteArray("mac_address,ip_address\n02-53-43-%1-00-01,10.1.0.3\n"
                          "02-53-43-%1-00-02,10.1.0.2\n")
            << QStringList{"--apply", "-x=secret"}
            << QStringList{"row 2 (02-53-43-%1-00-01): ip_address: 10.1.0.2 -> 10.1.0.3",
                           "row 3 (02-53-43-%1-00-02): ip_address: 10.1.0.3 -> 10.1.0.2",
                           "02-53-43-%1-00-03 Safe 3: not in the plan, untouched", "-404",
                           "row 2 (02-53-43-%1-00-01) and row 3 (02-53-43-%1-00-02) swap "
                           "addresses: at some moment two devices would hold one; move one of "
                           "them to a free address first"}
            << 3 << QList<int>() << untouched;
        // Refused before the search: nothing at all goes out.
        QTest::newRow("apply without password")
            << moves << QStringList{"--apply"}
            << QStringList{"-1", "--apply needs the devices' current password: give "
                                 "-x=PASSWORD, or -x= with SCOUTEL_PASSWORD set"}
            << 0 << QList<int>() << untouched;
        QTest::newRow("unknown column refused")
            << QByteArray("mac_address,ip_adress\n02-53-43-%1-00-01,10.1.0.9\n")
            << QStringList{"--apply", "-x=secret"}
            << QStringList{"-404", "Unknown column \"ip_adress\": give a key of the device list "
                                   "or a column title of the window"}
            << 0 << QList<int>() << untouched;
    }

    void plan()
    {
        QFETCH(QByteArray, plan);
        QFETCH(QStringList, options);
        QFETCH(QStringList, lines);
        QFETCH(int, requests);
        QFETCH(QList<int>, configured);
        QFETCH(QStringList, devices);
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, QStringList({"--interface", "sctlnet1", "--count", "3"}));
        const QString network = QStringLiteral("--interface=sctlnet1");
        // The fleet's MACs carry the interface's index.
        const QString index = QStringLiteral("%1").arg(
            QNetworkInterface::interfaceIndexFromName("sctlnet1"), 2, 16, QLatin1Char('0'));
        QTemporaryDir directory;
        const QString file = directory.filePath("plan.csv");
        QVERIFY(writeFileContent(file, QString::fromLatin1(plan).arg(index.toUpper()).toLatin1()));
        const ConsoleRun run = runScoutel(QStringList{"--plan=" + file, network, Window} + options);
        QCOMPARE(run.reportLines, lines.replaceInStrings("%1", index.toUpper()));
        QCOMPARE(run.status, run.reportLines.value(lines.size() - 2).toInt() & 0xFF);
        QCOMPARE(sim.events("request").size(), requests);
        QList<int> sent;
        for (const QJsonObject &request : sim.requests(3))
            sent << request["device"].toInt();
        QCOMPARE(sent, configured);
        QCOMPARE(listedDevices({network}, "ip_address"), devices);
    }

    // Two visits to one site: the second fleet lacks device 2, names device 3
    // anew and brings device 4. Then device 2 is forgotten.
    void remembersAcrossRuns()
    {
        QTemporaryDir home;
        const auto run = [&home](const QStringList &arguments) {
            return runScoutel(arguments, 30000, home.path());
        };
        {
            SimulatorProcess first;
            SCOUTEL_START_SIM(first, QStringList({"--count", "4", "--ignore-search", "4"}));
            QCOMPARE(run({"-X", Window}).status, 0);
        }
        SimulatorProcess sim;
        SCOUTEL_START_SIM(
            sim, QStringList({"--count", "4", "--ignore-search", "2", "--rename", "3=Safe 03"}));
        QStringList said;
        for (const QByteArray &line : run({"-X", "--json", Window}).standardOutput.split('\n')) {
            const QJsonObject device = QJsonDocument::fromJson(line).object();
            if (!device.isEmpty() &&
                device["first_seen"].toString() <= device["last_seen"].toString())
                said << device["name"].toString() + (device["new"].toBool() ? " new " : " ") +
                            QJsonDocument(device["changes"].toArray())
                                .toJson(QJsonDocument::Compact);
        }
        said.sort();
        QCOMPARE(said, QStringList({R"(Safe 03 [{"field":"name","new":"Safe 03","old":"Safe 3"}])",
                                    "Safe 1 []", "Safe 4 new []"}));
        const QString missingTwo = "02 53 43 00 00 02|Safe 2|127.0.0.3|127.0.0.0/8|";
        const ConsoleRun missing = run({"-X", "--missing", Window});
        QCOMPARE(missing.reportLines.size(), 2);
        QVERIFY(missing.reportLines.first().startsWith(missingTwo));
        QCOMPARE(QJsonDocument::fromJson(run({"-X", "--missing", "--json", Window}).standardOutput)
                     .object()["mac_address"],
                 "02-53-43-00-00-02");
        const QString file = home.filePath("Vantrel/Scoutel/inventory.json");
        QCOMPARE(int(QFile::permissions(file) & 0x0777), 0x0600);
        QCOMPARE(run({"--forget=02:53:43:00:00:02"}).status, 0);
        QCOMPARE(run({"--forget=025343000002"}).status, 1);
        QCOMPARE(run({"--forget=02:53"}).status, 255);
        QCOMPARE(run({"-X", "--missing", Window}).reportLines, QStringList{"# Search complete"});
    }

    void portTakenByAnotherProgram()
    {
        QUdpSocket holder;
        QVERIFY(holder.bind(QHostAddress::AnyIPv4, 2463, QUdpSocket::DontShareAddress));
        const ConsoleRun run = runScoutel({"-X", "-t=100"});
        QCOMPARE(run.status, -300 & 0xFF);
        QCOMPARE(run.reportLines,
                 QStringList({"-300", "Error on client initialization: ERROR_NOT_BOUND"}));
    }
};

QTEST_GUILESS_MAIN(TestConsoleRun)
#include "tst_consolerun.moc"
