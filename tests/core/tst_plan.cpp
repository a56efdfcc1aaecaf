// Plans read from the files spreadsheets write and previewed against a fleet
// of records: values, problems, groups and the order of moves.
#include "devicelist.h"
#include "devicerowcontent.h"
#include "planfleet.h"
#include "planpreview.h"
#include "pythonlists.h"
#include "testfiles.h"

#include <QTest>

namespace {
QStringList rowsOf(const PlanReader::Plan &plan)
{
    QStringList rows;
    for (const PlanReader::Row &row : plan.rows) {
        QStringList values;
        for (auto value = row.values.cbegin(); value != row.values.cend(); ++value)
            values << value.key() + '=' + *value;
        rows << QStringLiteral("%1 %2 %3")
                    .arg(row.number)
                    .arg(DeviceRowContent::macText(row.mac), values.join('|'));
    }
    return rows;
}

PlanReader::Plan planFile(const QString &name)
{
    return PlanReader::readFile(QStringLiteral(SCOUTEL_TEST_DATA "/plan/") + name);
}
} // namespace

class TestPlan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each file as read, and every problem of it against a fleet of nine.
    void readAndCheck_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("problems");
        const auto dev = [](int row, int i, const QString &values) {
            return QStringLiteral("%1 02-53-43-00-00-%2 %3")
                .arg(row)
                .arg(i, 2, 10, QChar('0'))
                .arg(values);
        };
        QTest::newRow("Excel, UTF-8 with BOM, German titles")
            << "excel-utf8-de.csv"
            << QStringList{dev(2, 1, "dhcp=false|ip_address=10.1.0.50|name=Tresor\nKeller"),
                           dev(3, 2, QString::fromUtf8("name=B\u00fcro")), dev(5, 3, "dhcp=true")}
            << QStringList();
        QTest::newRow("Excel, Windows-1252")
            << "excel-cp1252.csv"
            << QStringList{dev(2, 1, QString::fromUtf8("name=B\u00fcro S\u00fcd|tcp_port=4000")),
                           dev(3, 2, QString::fromUtf8("aux_port=4002|name=Caveau \u2019A\u2019"))}
            << QStringList{"row 3 (02-53-43-00-00-02), name holds characters a device cannot "
                           "store: use Latin-1 characters only"};
        QTest::newRow("LibreOffice, guarded formulas")
            << "libreoffice.csv"
            << QStringList{dev(2, 1,
                               "dhcp=false|ip_address=10.1.0.60|name=Safe, \"North\"|session_"
                               "minutes=30"),
                           dev(3, 2, "dhcp=true|http_port=8080|name==HYPERLINK(\"x\")"),
                           dev(4, 3, "name='-minus")}
            << QStringList();
        QTest::newRow("tabs, Italian titles")
            << "calc-tab-it.tsv"
            << QStringList{dev(2, 1, "dhcp=true|name=Cassaforte 1"),
                           dev(3, 2, "dhcp=false|http_port=0|ip_address=10.1.0.70")}
            << QStringList();
        QTest::newRow("refused columns and values")
            << "refused.csv"
            << QStringList{dev(2, 1, "name=ok"), dev(4, 2, "tcp_port=70000"),
                           dev(5, 3,
                               "aux_port=4000|name=" + QString(65, 'N') +
                                   "|subnet_mask=255.0.255.0|tcp_port=4000")}
            << QStringList{
                   "Unknown column \"ip_adress\": give a key of the device list or a column "
                   "title of the window",
                   "Column \"New Password\" looks like a password: a plan holds no passwords; "
                   "keep them in an encrypted configuration file",
                   "row 3: \"02-53-43-00-00\" is not a MAC address",
                   "row 4 (02-53-43-00-00-02), dhcp: maybe is not TRUE or FALSE, yes or no, 1 "
                   "or 0",
                   "row 6 (02-53-43-00-00-01): row 2 plans the same device already",
                   "row 4 (02-53-43-00-00-02), tcp_port: 70000 is not a whole number from 0 to "
                   "65535",
                   "row 5 (02-53-43-00-00-03), name is longer than the 64 characters a device "
                   "stores",
                   "row 5 (02-53-43-00-00-03), subnet_mask: 255.0.255.0 is not a subnet mask",
                   "row 5 (02-53-43-00-00-03), aux_port: 4000 is the main TCP port too"};
        const QString ip = "row %1 (02-53-43-00-00-0%2), ip_address: 10.1.0.";
        QTest::newRow("address conflicts")
            << "addresses.csv" << QStringList()
            << QStringList{
                   ip.arg(2).arg(1) + "300 is not an address",
                   ip.arg(4).arg(3) + "90 is planned for row 3 (02-53-43-00-00-02) too",
                   ip.arg(9).arg(8) + "10 is held now by 02-53-43-00-00-09, which is not in "
                                      "the plan",
                   "row 6 (02-53-43-00-00-05) and row 7 (02-53-43-00-00-06) swap addresses: at "
                   "some moment two devices would hold one; move one of them to a free address "
                   "first"};
    }

    void readAndCheck()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, problems);
        const PlanReader::Plan plan = planFile(file);
        if (!rows.isEmpty())
            QCOMPARE(rowsOf(plan), rows);
        QCOMPARE(PlanPreview(plan, planFleet(9)).problems(), problems);
    }

    // Found, not found, nothing to change and untouched; equal fields stay
    // out, a changed group member takes the group along.
    void preview()
    {
        const PlanPreview preview(planFile("plan.jsonl"), planFleet(4));
        QCOMPARE(preview.problems(), QStringList());
        QCOMPARE(preview.textLines(),
                 QStringList({"row 1 (02-53-43-00-00-01): name: Safe 1 -> Vault 1; tcp_port: "
                              "10001 -> 5001",
                              "row 2 (02-53-43-00-00-02): ip_address: 10.1.0.3 -> 10.1.0.80",
                              "row 3 (02-53-43-00-00-03): nothing to change",
                              "row 4 (02-53-43-00-00-0E): not found",
                              "02-53-43-00-00-04 Safe 4: not in the plan, untouched"}));
        const QList<ScoutelContainer> targets = preview.targets("pw", preview.changing());
        QCOMPARE(targets.size(), 2);
        for (const ScoutelContainer &target : targets) {
            const bool renamed = target->mac.endsWith('\x01');
            QCOMPARE(target->sendFields,
                     FieldApply |
                         (renamed ? FieldName | FieldMainPort | FieldAuxPort
                                  : FieldIpAddress | FieldSubnetMask | FieldGateway | FieldDhcp));
            QCOMPARE(target->auxPort, renamed ? 20001 : 20002);
            QCOMPARE(target->password, "pw");
        }
        QCOMPARE(preview.targets("pw", {}).size(), 0);
    }

    // Names that begin like formulas: Python's csv reads them guarded, the
    // plan reader exactly as sent; JSON keeps them as sent.
    void hostileNamesRoundTrip()
    {
        const QStringList names{"=HYPERLINK(\"http://x\")",
                                "+1",
                                "-2",
                                "@SUM(A1)",
                                "\tTab",
                                "\rCR",
                                "'=quoted",
                                "'plain",
                                "plain"};
        QList<ScoutelContainer> records = planFleet(int(names.size()));
        for (int i = 0; i < names.size(); ++i)
            records[i].data()->name = names.at(i);
        QStringList titles;
        for (const DeviceList::Column &column : DeviceList::columns())
            titles << column.title;
        titles.insert(ColumnLabel, QString());
        titles.removeLast(); // the list adds Warnings itself
        const QByteArray csv = DeviceList::csv(records, titles);
        const QJsonArray cells = readWithPython("csv", csv);
        const PlanReader::Plan plan = PlanReader::read(csv);
        QCOMPARE(plan.problems, QStringList());
        QCOMPARE(plan.rows.size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            const bool guarded = i < 7;
            QCOMPARE(cells[i + 1][ColumnName - 1].toString(), (guarded ? "'" : "") + names.at(i));
            QCOMPARE(plan.rows.at(i).values.value("name"), names.at(i));
            QCOMPARE(DeviceList::toJson(*records.at(i).constData())["name"], names.at(i));
        }
        QCOMPARE(PlanPreview(plan, records).changing(), QSet<QByteArray>());
    }

    // Hostile sizes: refused before they are read.
    void bounded()
    {
        QByteArray rows = "mac_address\n";
        for (int i = 0; i <= PlanReader::MaxRows; ++i)
            rows += "02-53-43-00-00-01\n";
        QCOMPARE(PlanReader::read(rows).problems, QStringList{"The plan has more than 20000 rows"});
        QCOMPARE(PlanReader::read(QByteArray(PlanReader::MaxBytes + 1, ' ')).problems,
                 QStringList{"The plan is larger than 8 MiB"});
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
