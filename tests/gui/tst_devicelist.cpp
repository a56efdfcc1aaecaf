// Long device lists against the simulator: the window's export, sort, find and
// web page, and the command line's --json. Python reads the lists back.
#include "devicerowcontent.h"
#include "hextext.h"
#include "pythonlists.h"
#include "scoutel.h"
#include "simdevice.h"
#include "simulatorprocess.h"
#include "sktreewidget.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

#include <memory>

namespace {
// A ceiling for a search's answers, generous for a loaded machine.
constexpr int SearchWaitMs = 60000;
// Quotes, separators, line breaks, control characters and bytes beyond ASCII.
const QString Hostile = QString::fromLatin1("Q\"t,\r\n;\x01\x1f\x7f\t\xe9\xff\x85=");

// Device i of a fleet with hostile names and no up time as a list has it.
QJsonObject simulated(int i)
{
    static const char common[] = R"({"subnet_mask": "255.0.0.0", "gateway": "127.0.0.1",
        "dns": "127.0.0.1", "dhcp": false, "session_minutes": 15, "hw_name": "SIM-SAFE",
        "hw_version": "3.1", "status": 0, "warnings": [], "interface": "lo"})";
    QJsonObject device = QJsonDocument::fromJson(common).object();
    device["mac_address"] = dashedHexText(SimDevice::macOf(i));
    device["current_ip"] = SimDevice::addressOf(i).toString();
    device["ip_address"] = device["current_ip"].toString();
    device["tcp_port"] = 10000 + i;
    device["aux_port"] = 20000 + i;
    device["http_port"] = 30000 + i;
    device["name"] = SimDevice(i, QString(), Hostile, QByteArray(), {}, 0).name();
    return device;
}
} // namespace

// The file dialog and the browser give way to what the test names and sees.
struct SeamedWindow : Scoutel
{
    QString exportFile;
    QList<QUrl> opened;
    QString askExportFileName() override { return exportFile; }
    void openWebPage(const QUrl &url) override { opened << url; }
};

class TestDeviceList : public QObject
{
    Q_OBJECT

    std::unique_ptr<SeamedWindow> window;
    SkTreeWidget *tree = nullptr;

    bool searchFinds(int rows) { return ::searchFinds(window.get(), rows, SearchWaitMs); }
    QAction *action(const char *name) { return window->findChild<QAction *>(name); }
    static int numberOf(const QString &mac)
    {
        return SimDevice::numberOf(QByteArray::fromHex(mac.toLatin1()));
    }

    // The devices of the rows shown, or of those shown and selected, in order.
    QList<int> devices(bool selected = false)
    {
        QList<int> numbers;
        for (const QTreeWidgetItem *row : tree->findItems("*", Qt::MatchWildcard, ColumnMac)) {
            if (!row->isHidden() && (row->isSelected() || !selected))
                numbers << numberOf(row->text(ColumnMac));
        }
        return numbers;
    }

    void clickTitle(int column)
    {
        QHeaderView *header = tree->header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

private Q_SLOTS:
    void init()
    {
        window = std::make_unique<SeamedWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        tree = window->findChild<SkTreeWidget *>("tree");
    }

    void cleanup() { window.reset(); }

    // 2,000 devices with hostile names and no up time: the window's export as
    // CSV and as JSON and the command line's --json, as Python reads them.
    void listsReadBack()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(
            sim, QStringList({"--count", "2000", "--no-uptime", "--name-prefix=" + Hostile}));
        QVERIFY(searchFinds(2000));
        QTemporaryDir folder;
        const auto exported = [&](const QString &name) {
            window->exportFile = folder.filePath(name);
            action("actionExportList")->trigger();
            return fileContent(window->exportFile);
        };
        QMap<QString, QByteArray> lists{{"csv", exported("list.csv")},
                                        {"json", exported("list.json")}};
        exported("missing/list.csv");
        const QString told = "The list was not saved to " + window->exportFile + ": ";
        const auto *box = window->findChild<QMessageBox *>();
        QVERIFY(box && box->text().startsWith(told) && box->text() != told);
        QStringList titles{"MAC Address"};
        for (int column = ColumnCurrentIp; column < DeviceColumnCount; ++column)
            titles << tree->headerItem()->text(column);
        cleanup(); // the command line needs the window's port
        QProcess scoutel;
        // The command line lists what answers within its window: one long
        // enough for a starved simulator's 2,000 answers.
        scoutel.start(SCOUTEL_BIN_DIR "/scoutel", {"-X", "--json", "-t=8000"});
        QVERIFY(scoutel.waitForFinished(SearchWaitMs) && scoutel.exitCode() == 0);
        QCOMPARE(scoutel.readAllStandardError(), "# Search complete\n");
        lists["jsonl"] = scoutel.readAllStandardOutput();
        // Both read back as plans change nothing, hostile names included.
        for (const char *format : {"csv", "jsonl"}) {
            const QString plan = folder.filePath(QStringLiteral("plan.") + format);
            QVERIFY(writeFileContent(plan, lists[format]));
            scoutel.start(SCOUTEL_BIN_DIR "/scoutel", {"--plan=" + plan, "-t=8000"});
            QVERIFY(scoutel.waitForFinished(SearchWaitMs) && scoutel.exitCode() == 0);
            const QStringList lines = QString(scoutel.readAllStandardError()).split('\n');
            QCOMPARE(
                lines.filter(QRegularExpression("^row \\d+ \\(.*\\): nothing to change$")).size(),
                2000);
            QCOMPARE(lines.size(), 2000 + 3); // then 0, the verdict and the last line break
        }
        // The CSV cells that hold a JSON value, in column order.
        const QStringList keys{"mac_address", "current_ip", "ip_address", "subnet_mask",
                               "gateway",     "dns",        "dhcp",       "tcp_port",
                               "aux_port",    "http_port",  "name",       "hw_name"};
        for (auto list = lists.cbegin(); list != lists.cend(); ++list) {
            const bool csv = list.key() == "csv";
            QJsonArray rows = readWithPython(list.key(), list.value());
            if (csv)
                QCOMPARE(rows.takeAt(0).toVariant().toStringList(), titles << "Warnings");
            QSet<int> seen;
            for (const QJsonValue &row : std::as_const(rows)) {
                QJsonObject device = row.toObject();
                const QStringList cells = row.toVariant().toStringList();
                const int i = numberOf(csv ? cells.value(0) : device["mac_address"].toString());
                seen << i;
                QJsonObject expected = simulated(i);
                if (!csv) {
                    // What the memory adds, the command line's alone, is tested beside it.
                    for (const char *key : {"first_seen", "last_seen", "new", "changes"})
                        device.remove(key);
                    QCOMPARE(device, expected); // no up time: none sent
                    continue;
                }
                expected["dhcp"] = "Off";
                QStringList wanted;
                for (const QString &key : keys)
                    wanted << expected[key].toVariant().toString();
                // The version as shown; no up time, counters or warnings.
                QCOMPARE(cells, wanted + QStringList({"v 3.01", "", "", "", "", "lo", ""}));
            }
            QCOMPARE(seen.size() + rows.size(), 4000); // each device once
        }
    }

    // A find typed before the rows come, then a click on a column's title and
    // a second, a search and a Clear while both hold; then the first row's web
    // page. Devices 1 to 4 have versions 3.1, 10.0, 2.10 and 3.9, the others 3.1.
    void findAndSort_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("by address")
            << "" << int(ColumnCurrentIp) << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        QTest::newRow("by version")
            << "" << int(ColumnHwVersion) << QList<int>{3, 1, 5, 6, 7, 8, 9, 10, 11, 12, 4, 2};
        QTest::newRow("a name") << "sAFE 1" << int(ColumnName) << QList<int>{1, 10, 11, 12};
        // Child rows have texts in the MAC column: they would sort there.
        QTest::newRow("a MAC") << "02:53:43:00:00:0b" << int(ColumnMac) << QList<int>{11};
        QTest::newRow("part of a MAC") << "00000C" << int(ColumnMac) << QList<int>{12};
        QTest::newRow("an address") << "127.0.0.1" << int(ColumnMac) << QList<int>{9, 10, 11, 12};
    }

    void findAndSort()
    {
        QFETCH(QString, typed);
        QFETCH(int, column);
        QFETCH(QList<int>, shown);
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim,
                          QStringList({"--count", "12", "--hw-versions", "3.1,10.0,2.10,3.9"}));
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        auto *find = window->findChild<QLineEdit *>("editFind");
        QVERIFY(searchFinds(12));
        clickTitle(column);
        QCOMPARE(devices(), shown);
        clickTitle(column);
        std::reverse(shown.begin(), shown.end());
        QCOMPARE(devices(), shown);
        // Rows that change, then rows that come anew, take their place.
        QVERIFY(searchFinds(12));
        action("actionClear")->trigger();
        QVERIFY(searchFinds(12));
        QCOMPARE(devices(), shown);
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(ColumnMac), "IP Address"); // as written
        // Select All with every row shown, then the find again: the rows it
        // hides are unselected, and Select All takes the rows shown only.
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClick(find, Qt::Key_Escape); // empties the field; the window stays
        QVERIFY(window->isVisible() && find->text().isEmpty());
        QCOMPARE(devices().size(), 12);
        action("actionSelectAll")->trigger();
        find->setText(typed);
        action("actionSelectAll")->trigger();
        find->clear();
        QCOMPARE(devices(true), shown);
        // Open Web Page in the context menu of the first row's child row.
        QTreeWidgetItem *first = tree->topLevelItem(0);
        tree->expandAll();
        contextMenuAt(tree, tree->visualItemRect(first->child(3)).center(), "Open Web Page");
        const int n = numberOf(first->text(ColumnMac));
        const QString page =
            QStringLiteral("http://%1:%2/").arg(SimDevice::addressOf(n).toString());
        QCOMPARE(window->opened, QList<QUrl>{page.arg(30000 + n)});
    }
};

SCOUTEL_WINDOW_TEST_MAIN(TestDeviceList)

#include "tst_devicelist.moc"
