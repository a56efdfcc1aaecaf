#include "consoleprocess.h"
#include "hextext.h"
#include "packetcodec.h"
#include "simulatorprocess.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Long enough for a loaded machine to carry an answer, short enough to keep runs quick.
const QString Window = QStringLiteral("-t=400");
const QString DeviceOneMac = QStringLiteral("02 53 43 00 00 01");

// Simulator options with a lifetime that ends a forgotten fleet on its own.
QStringList fleet(QStringList options)
{
    return options << QStringLiteral("--lifetime") << QStringLiteral("6000");
}

// The block list mode prints for device number i of an untouched simulated fleet.
QStringList simulatedBlock(int device, int count, const QString &name)
{
    return {QStringLiteral("# %1").arg(count),
            QStringLiteral("02 53 43 00 00 %1").arg(device, 2, 10, QLatin1Char('0')),
            name,
            QStringLiteral("127.0.0.%1").arg(device + 1),
            QStringLiteral("255.0.0.0"),
            QStringLiteral("127.0.0.1"),
            QStringLiteral("127.0.0.1"),
            QStringLiteral("0"),
            QString::number(10000 + device),
            QString::number(20000 + device),
            QString::number(30000 + device),
            QStringLiteral("15")};
}

QList<QJsonObject> requestsOf(const SimulatorProcess &sim, int command)
{
    QList<QJsonObject> matching;
    const auto requests = sim.events(QStringLiteral("request"));
    for (const QJsonObject &request : requests) {
        if (request.value(QStringLiteral("command")).toInt() == command)
            matching.append(request);
    }
    return matching;
}
} // namespace

// The program against a simulated fleet: one row of the exit-status table per test.
class TestConsoleRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void configurationSucceedsAndTheDeviceShowsIt()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({})), qPrintable(sim.errorString()));
        const ConsoleRun rename = runScoutel({"-x=secret", "-n=Front office", Window});
        QCOMPARE(rename.status, 0);
        QCOMPARE(rename.reportLines, QStringList({"0", DeviceOneMac, "127.0.0.2"}));

        const ConsoleRun list = runScoutel({"-X", Window});
        QCOMPARE(list.status, 0);
        QCOMPARE(list.reportLines,
                 simulatedBlock(1, 1, "Front office") + QStringList{"# Search complete"});
    }

    void listsEveryDevice()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({"--count", "2"})), qPrintable(sim.errorString()));
        const ConsoleRun run = runScoutel({"-X", Window});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.reportLines.size(), 25);
        QCOMPARE(run.reportLines.constLast(), QStringLiteral("# Search complete"));
        // The devices answer in either order; the counts follow the arrival.
        const bool oneFirst = run.reportLines.at(1) == DeviceOneMac;
        const QStringList expected =
            oneFirst ? simulatedBlock(1, 1, "Safe 1") + simulatedBlock(2, 2, "Safe 2")
                     : simulatedBlock(2, 1, "Safe 2") + simulatedBlock(1, 2, "Safe 1");
        QCOMPARE(run.reportLines.mid(0, 24), expected);
    }

    void moreThanOneDevice()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({"--count", "2"})), qPrintable(sim.errorString()));
        const ConsoleRun run = runScoutel({"-x=secret", "-n=Vault", Window});
        QCOMPARE(run.status, 111);
        QCOMPARE(run.reportLines,
                 QStringList({"-401", "More than one device found, there must be only one."}));
        QVERIFY(requestsOf(sim, 3).isEmpty());
    }

    // -Xyz chooses the command-line mode without list mode.
    void nothingToSend_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("password only") << QStringList{"-x=secret", Window};
        QTest::newRow("-Xyz") << QStringList{"-Xyz", Window};
    }

    void nothingToSend()
    {
        QFETCH(QStringList, arguments);
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({})), qPrintable(sim.errorString()));
        const ConsoleRun run = runScoutel(arguments);
        QCOMPARE(run.status, 109);
        QCOMPARE(run.reportLines, QStringList({"-403", "No data to send."}));
        QCOMPARE(requestsOf(sim, 1).size(), 1);
        QVERIFY(requestsOf(sim, 3).isEmpty());
    }

    void noConfigurationAnswer()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({"--mute-config", "1"})), qPrintable(sim.errorString()));
        const ConsoleRun run = runScoutel({"-x=secret", "-n=Vault", Window});
        QCOMPARE(run.status, 110);
        QCOMPARE(run.reportLines, QStringList({"-402", "Timeout on config."}));
        QCOMPARE(requestsOf(sim, 3).size(), 1);
    }

    // A name longer than the wire allows is refused before anything is sent.
    void requestThatCannotBeBuilt()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({})), qPrintable(sim.errorString()));
        const ConsoleRun run =
            runScoutel({"-x=secret", "-n=" + QString(65, QLatin1Char('N')), Window});
        QCOMPARE(run.status, 210);
        QCOMPARE(run.reportLines, QStringList({"-302", "Send error: ERROR_GENERATE"}));
        QVERIFY(requestsOf(sim, 3).isEmpty());
    }

    void deviceAnswersWithAnError_data()
    {
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const QStringList configure{"-x=secret", "-n=Vault", Window};
        QTest::newRow("wrong password")
            << QStringList{"--password", "right"} << QStringList{"-x=wrong", "-n=Vault", Window}
            << -106 << "wrong password";
        QTest::newRow("session expired")
            << QStringList{"--verdict", "-105"} << configure << -105 << "session expired";
        QTest::newRow("generic verdict")
            << QStringList{"--verdict", "-2"} << configure << -2 << "ERROR_GENERIC";
        QTest::newRow("search answer in list mode")
            << QStringList{"--search-result", "-102"} << QStringList{"-X", Window} << -102
            << "ERROR_FIELD_DENY";
        QTest::newRow("search answer before configuring")
            << QStringList{"--search-result", "-100"} << configure << -100 << "ERROR_FIELD_LENGTH";
    }

    void deviceAnswersWithAnError()
    {
        QFETCH(QStringList, simulator);
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, text);
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet(simulator)), qPrintable(sim.errorString()));
        const ConsoleRun run = runScoutel(arguments);
        QCOMPARE(run.status, shellStatus(code));
        QCOMPARE(run.reportLines,
                 QStringList({QString::number(code), "Error on " + DeviceOneMac + ": " + text}));
    }

    void foreignDatagram()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({"--foreign"})), qPrintable(sim.errorString()));
        const ConsoleRun run = runScoutel({"-X", Window});
        QVERIFY2(run.reportLines.size() >= 2, qPrintable(run.describe()));
        const int code = run.reportLines.at(run.reportLines.size() - 2).toInt();
        QVERIFY2(code <= PacketCodec::ErrorInLength && code >= PacketCodec::ErrorInSequence,
                 qPrintable(run.describe()));
        QCOMPARE(run.status, shellStatus(code));
        QCOMPARE(run.reportLines.constLast(),
                 "Receive error: " + PacketCodec::decodeErrorName(code));
    }

    void timeoutSetsTheSearchWindow()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({"--delay", "700"})), qPrintable(sim.errorString()));
        const ConsoleRun patient = runScoutel({"-X", "-t=1500"});
        QCOMPARE(patient.status, 0);
        QCOMPARE(patient.reportLines.constLast(), QStringLiteral("# Search complete"));
        // Last, so that its late answer reaches no later run.
        QCOMPARE(runScoutel({"-X", "-t=300"}).status, 112);
    }

    void timeoutSetsTheConfigurationWait()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({"--mute-config", "1"})), qPrintable(sim.errorString()));
        const ConsoleRun run = runScoutel({"-x=secret", "-n=Vault", "-t=1200"});
        QCOMPARE(run.status, 110);
        QVERIFY2(run.elapsedMs >= 2400, qPrintable(QString::number(run.elapsedMs)));
    }

    // What the device decrypts, in order, for options that touch every field.
    void configurationRequestFields()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({})), qPrintable(sim.errorString()));
        const ConsoleRun run =
            runScoutel({"-x=secret", "-n=Vault", "-d=true", "-i=10.1.2.3", "-m=255.255.255.0",
                        "-g=10.1.2.1", "-p1=4000", "-p2=4001", "-ph=8080", "-s=30", "-p=n3wpw",
                        "-k=00112233445566778899aAbB", "-r", Window});
        QCOMPARE(run.status, 0);
        const auto searches = requestsOf(sim, 1);
        const auto configurations = requestsOf(sim, 3);
        QCOMPARE(searches.size(), 1);
        QCOMPARE(configurations.size(), 1);
        const QJsonObject request = configurations.first();
        QCOMPARE(request.value("verdict").toInt(), 0);

        QStringList fields;
        const QJsonArray list = request.value("fields").toArray();
        for (const auto &field : list) {
            const QJsonObject f = field.toObject();
            fields << QStringLiteral("%1: %2")
                          .arg(f.value("tag").toInt())
                          .arg(f.value("value").toString());
        }
        const QString confirmation = hexText(PacketCodec::confirmationValue());
        const QStringList expected{
            "90: " + searches.first().value("challenge").toString(),
            "10: 0A 01 02 03",
            "11: FF FF FF 00",
            "12: 0A 01 02 01",
            "17: 00 01",
            "18: 0F A0",
            "19: 0F A1",
            "29: 1F 90",
            "20: 00 1E",
            "21: 56 61 75 6C 74",
            "22: XX XX XX XX XX",
            "23: 00 11 22 33 44 55 66 77 88 99 AA BB",
            "91: " + confirmation,
            "92: " + confirmation,
        };
        QCOMPARE(fields, expected);
    }

    void optionFileIsWritten()
    {
        QTemporaryDir directory;
        const QString saved = directory.filePath(QStringLiteral("out.xml"));
        const QString refused = directory.filePath(QStringLiteral("no-password.xml"));
        SimulatorProcess sim;
        QVERIFY2(sim.start(fleet({})), qPrintable(sim.errorString()));

        const ConsoleRun run = runScoutel(
            {"-X", "-x=secret", "-n=Vault", "-k=00112233445566778899AABB", "-f=" + saved, Window});
        QCOMPARE(run.status, 0);
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray xml = file.readAll();
        QVERIFY2(xml.contains("public_key=\"00112233445566778899aabb\""), xml.constData());

        // A save the file writer refuses is told in one line and does not change the run.
        const ConsoleRun withoutPassword = runScoutel({"-X", "-f=" + refused, Window});
        QCOMPARE(withoutPassword.status, 0);
        QVERIFY(!QFile::exists(refused));
        QCOMPARE(withoutPassword.reportLines.first(),
                 "The configuration was not saved to " + refused + ": Password cannot be empty.");
        QCOMPARE(withoutPassword.reportLines.last(), QStringLiteral("# Search complete"));
    }
};

SCOUTEL_NETNS_TEST_MAIN(TestConsoleRun)
#include "tst_consolerun.moc"
