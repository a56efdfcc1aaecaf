// Plans read from the files spreadsheets write and previewed against a fleet
// of records: values, problems and groups.
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
    // Each file as read, and every problem of it against a fleet of nine, as
    // plan/expected.json tells.
    void readAndCheck_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QJsonObject>("expected");
        const QJsonObject files =
            QJsonDocument::fromJson(fileContent(SCOUTEL_TEST_DATA "/plan/expected.json")).object();
        QVERIFY(files.size() >= 6);
        for (auto file = files.begin(); file != files.end(); ++file)
            QTest::newRow(qPrintable(file->toObject()["what"].toString()))
                << file.key() << file.value().toObject();
    }

    void readAndCheck()
    {
        QFETCH(QString, file);
        QFETCH(QJsonObject, expected);
        const PlanReader::Plan plan = planFile(file);
        if (expected.contains("rows"))
            QCOMPARE(rowsOf(plan), expected["rows"].toVariant().toStringList());
        QCOMPARE(PlanPreview(plan, planFleet(9)).problems(),
                 expected["problems"].toVariant().toStringList());
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
    }

    // Names that begin like formulas: Python's csv reads them guarded, the
    // plan reader exactly as sent; JSON keeps them as sent.
    void hostileNamesRoundTrip()
    {
        const QStringList names =
            QString("=HYPERLINK(\"http://x\")|+1|-2|@SUM(A1)|\tTab|\rCR|'=quoted|'plain|plain")
                .split('|');
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
            QCOMPARE(cells[i + 1][ColumnName - 1].toString(), (i < 7 ? "'" : "") + names.at(i));
            QCOMPARE(plan.rows.at(i).values.value("name"), names.at(i));
            QCOMPARE(DeviceList::toJson(*records.at(i).constData())["name"], names.at(i));
        }
        QCOMPARE(PlanPreview(plan, records).changing(), QSet<QByteArray>());
    }

    // Hostile sizes: refused before they are read.
    void bounded()
    {
        const QByteArray rows =
            "mac_address\n" + QByteArray("02-53-43-00-00-01\n").repeated(PlanReader::MaxRows + 1);
        QCOMPARE(PlanReader::read(rows).problems, QStringList{"The plan has more than 20000 rows"});
        QCOMPARE(PlanReader::read(QByteArray(PlanReader::MaxBytes + 1, ' ')).problems,
                 QStringList{"The plan is larger than 8 MiB"});
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
