// The window's memory of devices across two runs against the simulator: the
// second fleet lacks device 2, names device 3 anew and brings device 4.
#include "inventoryfile.h"
#include "scoutel.h"
#include "simulatorprocess.h"
#include "windowtest.h"

#include <QLabel>
#include <QRegularExpression>

namespace {
constexpr int PeriodWaitMs = 30000;

// One line per row: MAC, whether it can be selected, and its memory remarks
// without their times.
QStringList rowsSaid(const QTreeWidget *tree)
{
    static const QRegularExpression timeLeftOut(
        QStringLiteral("^(\\S+ \\S+) .*?((?:: .* → .*)?)$"));
    QStringList said;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = tree->topLevelItem(i);
        QString line = row->text(0) + (row->flags() & Qt::ItemIsSelectable ? "" : " greyed");
        for (int c = 0; c < row->childCount(); ++c) {
            const QString text = row->child(c)->text(1);
            if (text.contains(QRegularExpression("^(New on|Changed since|Not found since) ")))
                line += " | " + QString(text).replace(timeLeftOut, "\\1\\2");
        }
        said << line;
    }
    said.sort();
    return said;
}
} // namespace

class TestDeviceMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondVisit()
    {
        {
            SimulatorProcess sim;
            SCOUTEL_START_SIM(sim, QStringList({"--count", "4", "--ignore-search", "4"}));
            Scoutel window;
            window.show();
            QVERIFY(searchFinds(&window, 3, PeriodWaitMs));
            // The network's first search: every device would be new.
            QCOMPARE(rowsSaid(window.findChild<QTreeWidget *>("tree")),
                     QStringList({"02-53-43-00-00-01", "02-53-43-00-00-02", "02-53-43-00-00-03"}));
        }
        SimulatorProcess sim;
        SCOUTEL_START_SIM(
            sim, QStringList({"--count", "4", "--ignore-search", "2", "--rename", "3=Safe 03"}));
        auto window = std::make_unique<Scoutel>();
        window->show();
        auto *tree = window->findChild<QTreeWidget *>("tree");
        const auto *count = window->findChild<QLabel *>("labelCount");
        window->findChild<QAction *>("actionShowMissing")->trigger();
        QVERIFY(searchFinds(window.get(), 4, PeriodWaitMs));
        QCOMPARE(rowsSaid(tree),
                 QStringList({"02-53-43-00-00-01", "02-53-43-00-00-02 greyed | Not found",
                              "02-53-43-00-00-03 | Changed since: Name Safe 3 → Safe 03",
                              "02-53-43-00-00-04 | New on"}));
        tree->selectAll();
        QCOMPARE(count->text(), "3 devices, 1 missing, 3 selected");
        const auto missing = tree->findItems("02-53-43-00-00-02", Qt::MatchExactly);
        QCOMPARE(missing.size(), 1);
        contextMenuAt(tree, tree->visualItemRect(missing.first()).center(), "Forget Device");
        QCOMPARE(count->text(), "3 devices, 3 selected");
        window->close();
        window.reset();
        QVERIFY(QSettings().value("System/showMissingDevices").toBool());
        const InventoryFile::Loaded kept = InventoryFile::load(InventoryFile::defaultPath());
        QCOMPARE(kept.inventory.size(), 3);
        QVERIFY(!kept.inventory.find(QByteArray::fromHex("025343000002")));
    }
};

SCOUTEL_WINDOW_TEST_MAIN(TestDeviceMemory)
#include "tst_devicememory.moc"
