// What a device row shows for a record, without a window.
#include "devicerowcontent.h"

#include <QTest>

namespace {
ScoutelContainer record(quint32 status, const char *sender, int dhcp)
{
    ScoutelContainer r;
    r->statusFlags = status;
    r->sender = QHostAddress(QLatin1String(sender));
    r->dhcp = dhcp;
    return r;
}

QList<int> columnsOf(const DeviceRowContent &content)
{
    QList<int> columns;
    for (const DeviceCell &cell : content.cells())
        columns << cell.column;
    return columns;
}
} // namespace

class TestDeviceRowContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void warnings_data()
    {
        QTest::addColumn<quint32>("status");
        QTest::addColumn<QString>("sender");
        QTest::addColumn<int>("dhcp");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("faulty");
        const QString plain = QStringLiteral("10.0.0.5");
        const QString fallback = QStringLiteral("169.255.255.254");
        QTest::newRow("none") << 0u << plain << 0 << QStringList() << false;
        QTest::newRow("0x020 colours only") << 0x020u << plain << 0 << QStringList() << true;
        QTest::newRow("0x080 colours only") << 0x080u << plain << 1 << QStringList() << true;
        QTest::newRow("every text, in order")
            << 0x156u << plain << 0
            << QStringList{"Memory was low", "Cable was disconnected", "DHCP failed",
                           "IP address in conflict", "Too many TCP connections"}
            << true;
        QTest::newRow("resolved") << 0x0F0u << plain << 0
                                  << QStringList{"DHCP error resolved",
                                                 "IP address conflict resolved"}
                                  << true;
        QTest::newRow("0x201") << 0x201u << plain << 0 << QStringList{"Error 0x0201"} << true;
        QTest::newRow("0x10000") << 0x10000u << plain << 0 << QStringList{"Error 0x10000"} << true;
        QTest::newRow("fallback, DHCP on")
            << 0u << fallback << 1 << QStringList{"DHCP failed"} << true;
        QTest::newRow("fallback, DHCP on, resolved")
            << 0x020u << fallback << 1 << QStringList{"DHCP error resolved"} << true;
        QTest::newRow("near the fallback")
            << 0u << QStringLiteral("169.255.255.253") << 1 << QStringList() << false;
    }

    void warnings()
    {
        QFETCH(quint32, status);
        QFETCH(QString, sender);
        QFETCH(int, dhcp);
        QFETCH(QStringList, expected);
        QFETCH(bool, faulty);
        const DeviceRowContent content(record(status, qPrintable(sender), dhcp));
        QStringList shown;
        for (const DeviceCell &cell : content.cells()) {
            if (cell.column == WarningColumn)
                shown << cell.text;
        }
        QCOMPARE(shown, expected);
        QCOMPARE(content.faulty(), faulty);
    }

    void cellsFollowPresentFields_data()
    {
        QTest::addColumn<quint32>("present");
        QTest::addColumn<QList<int>>("columns");
        const QList<int> always{2, 3, 4, 5, 7, 8, 9};
        const QList<int> identity{11, 12, 13};
        const QList<int> counters{14, 15, 16, 17};
        QTest::newRow("minimal") << 0u << always + identity;
        QTest::newRow("HTTP port") << quint32(FieldHttpPort) << always + QList<int>{10} + identity;
        QTest::newRow("up time") << quint32(FieldUpTime) << always + identity + counters;
    }

    void cellsFollowPresentFields()
    {
        QFETCH(quint32, present);
        QFETCH(QList<int>, columns);
        ScoutelContainer r = record(0x002, "10.0.0.5", 0);
        r->presentFields = present;
        QCOMPARE(columnsOf(DeviceRowContent(r)), columns + QList<int>{WarningColumn});
    }

    void texts()
    {
        ScoutelContainer r = record(0, "10.0.0.5", 2);
        r->busTcp[0] = 4294967295u;
        r->busTcp[2] = 7;
        r->presentFields = FieldUpTime;
        const DeviceRowContent content(r);
        const QList<DeviceCell> &cells = content.cells();
        QVERIFY(cells.contains(DeviceCell{ColumnDhcp, QStringLiteral("On")}));
        QVERIFY(cells.contains(DeviceCell{ColumnBusTcp, QStringLiteral("4294967295 0 7")}));
        // Hostile names stay on one line.
        const QString wide(64, QChar(0xFF37));
        QCOMPARE(DeviceRowContent::cellText("A\nB\tC\u202ED\u2028E\u200FF\u0085G" + wide),
                 "A\uFFFDB\uFFFDC\uFFFDD\uFFFDE\uFFFDF\uFFFDG" + wide);
    }
};

QTEST_GUILESS_MAIN(TestDeviceRowContent)
#include "tst_devicerowcontent.moc"
