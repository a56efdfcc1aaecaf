// What a device row shows for a record, without a window.
#include "devicerowcontent.h"
#include "fieldtags.h"

#include <QTest>

namespace {
// network: the subnet of the interface the answer came through, none when empty.
ScoutelContainer record(quint32 status, const char *sender, int dhcp, const QString &network = {})
{
    ScoutelContainer r;
    r->statusFlags = status;
    r->sender = QHostAddress(QLatin1String(sender));
    r->dhcp = dhcp;
    if (!network.isEmpty()) {
        r->interfaceIndex = 3;
        r->interfaceName = QStringLiteral("sctlnet1");
        r->interfaceSubnets = {QHostAddress::parseSubnet(QStringLiteral("127.0.0.1/8")),
                               QHostAddress::parseSubnet(network)};
    }
    return r;
}
} // namespace

class TestDeviceRowContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Any status bit or warning colours the row. network: the subnet of the
    // interface the answer came through, none when empty.
    void warnings_data()
    {
        QTest::addColumn<quint32>("status");
        QTest::addColumn<QString>("sender");
        QTest::addColumn<int>("dhcp");
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("expected");
        const QString plain = QStringLiteral("10.0.0.5");
        const QString fallback = QStringLiteral("169.255.255.254");
        const QString none;
        QTest::newRow("none") << 0u << plain << 0 << "10.0.0.0/24" << QString();
        QTest::newRow("resolved bits alone colour only") << 0x0A0u << plain << 1 << none << none;
        QTest::newRow("every text, in order")
            << 0x156u << plain << 0 << none
            << "Memory was low|Cable was disconnected|DHCP failed|IP address in conflict|"
               "Too many TCP connections";
        QTest::newRow("resolved") << 0x0F0u << plain << 0 << none
                                  << "DHCP error resolved|IP address conflict resolved";
        QTest::newRow("0x201") << 0x201u << plain << 0 << none << "Error 0x0201";
        QTest::newRow("0x10000") << 0x10000u << plain << 0 << none << "Error 0x10000";
        QTest::newRow("fallback, DHCP on") << 0u << fallback << 1 << none << "DHCP failed";
        QTest::newRow("fallback, DHCP off, resolved")
            << 0x080u << fallback << 0 << none << "IP address conflict resolved";
        QTest::newRow("near the fallback") << 0u << "169.255.255.253" << 1 << none << none;
    }

    void warnings()
    {
        QFETCH(quint32, status);
        QFETCH(QString, sender);
        QFETCH(int, dhcp);
        QFETCH(QString, network);
        QFETCH(QString, expected);
        const ScoutelContainer r = record(status, qPrintable(sender), dhcp, network);
        const DeviceRowContent content(r);
        QCOMPARE(DeviceRowContent::warnings(*r.constData()).join('|'), expected);
        QCOMPARE(content.faulty(), status != 0 || !expected.isEmpty());
    }

    // The HTTP port and the counters only when the device reported them; warnings last.
    void cells()
    {
        ScoutelContainer r = record(0x006, "10.0.0.5", 2);
        r->busTcp[0] = 4294967295u;
        r->busTcp[2] = 7;
        const auto columns = [&r](quint32 present) {
            r->presentFields = present;
            const DeviceRowContent content(r);
            QList<int> shown;
            for (const DeviceCell &cell : content.cells())
                shown << cell.column;
            return shown;
        };
        const QList<int> always{2, 3, 4, 5, 7, 8, 9};
        const QList<int> identity{11, 12, 13, WarningColumn, WarningColumn};
        const QList<int> counters{11, 12, 13, 14, 15, 16, 17, WarningColumn, WarningColumn};
        QCOMPARE(columns(0), always + identity);
        QCOMPARE(columns(FieldHttpPort), always + QList<int>{10} + identity);
        QCOMPARE(columns(FieldUpTime), always + counters);
        const QList<DeviceCell> cells = DeviceRowContent(r).cells();
        QVERIFY(cells.contains(DeviceCell{ColumnDhcp, QStringLiteral("On")}));
        QVERIFY(cells.contains(DeviceCell{ColumnBusTcp, QStringLiteral("4294967295 0 7")}));
        // The interface it answered on after the counters, before the warnings.
        r->interfaceName = QStringLiteral("sctlnet1");
        const QList<int> interface {
            ColumnInterface, WarningColumn, WarningColumn
        };
        QCOMPARE(columns(FieldUpTime), always + counters.mid(0, 7) + interface);
        // Hostile names stay on one line.
        const QString wide(64, QChar(0xFF37));
        QCOMPARE(DeviceRowContent::cellText("A\nB\tC\u202ED\u2028E\u200FF\u0085G" + wide),
                 "A\uFFFDB\uFFFDC\uFFFDD\uFFFDE\uFFFDF\uFFFDG" + wide);
    }
};

QTEST_GUILESS_MAIN(TestDeviceRowContent)
#include "tst_devicerowcontent.moc"
