#include "safeentry.h"

#include <QTest>

namespace {
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

class TestSafeEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

    void otherValues()
    {
        const ScoutelContainer record =
            applied({{"name", "Vault"},
                     {"session_minutes", "99999"},
                     {"new_password", "next"},
                     {"public_key", "a1-B2-c3-D4-e5-F6-07-18-29-3a-4b-5c"},
                     {"http_port", "8080"}});
        QCOMPARE(record->name, QStringLiteral("Vault"));
        QCOMPARE(record->sessionMinutes, 65535);
        QCOMPARE(record->newPassword, QStringLiteral("next"));
        QCOMPARE(record->publicKey, QByteArray::fromHex("A1B2C3D4E5F60718293A4B5C"));
        QCOMPARE(record->httpPort, 0);
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
};

QTEST_GUILESS_MAIN(TestSafeEntry)
#include "tst_safeentry.moc"
