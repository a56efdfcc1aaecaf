// The window against the device simulator, inside a private network.
#include "scoutel.h"
#include "simulatorprocess.h"
#include "sktreewidget.h"
#include "windowtest.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {
// A ceiling for a search period or its answers, generous for a loaded machine.
constexpr int PeriodWaitMs = 30000;

// Every pixel alike: neither picture nor rows.
bool isBlank(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    QImage plain = image;
    plain.fill(image.pixel(0, 0));
    return image == plain;
}
} // namespace

class TestScoutelWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Scoutel> window;
    SkTreeWidget *tree = nullptr;
    QToolButton *refresh = nullptr;

    QAction *action(const char *name) { return window->findChild<QAction *>(name); }
    QMenu *buttonMenu() { return window->findChild<QToolButton *>("buttonMenu")->menu(); }
    QMenu *submenu(int index) { return buttonMenu()->actions().at(index)->menu(); }

    bool searchFinds(int rows) { return ::searchFinds(window.get(), rows, PeriodWaitMs); }

private Q_SLOTS:
    void init()
    {
        window = std::make_unique<Scoutel>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        tree = window->findChild<SkTreeWidget *>("tree");
        refresh = window->findChild<QToolButton *>("buttonRefresh");
    }

    void cleanup() { window.reset(); }

    // One search fills the tree; the next, with nobody answering, empties it.
    void rowsShowValuesAndWarningsUntilTheDeviceGoes()
    {
        QVERIFY(isBlank(tree->viewport()));
        QCOMPARE(contextMenuAt(tree, QPoint(5, 5)), QStringList()); // no rows, no menu
        {
            SimulatorProcess sim;
            // A datagram that is no answer makes no row.
            SCOUTEL_START_SIM(
                sim, QStringList({"--odd-sender", "--status", "0x204", "--foreign", "--no-http"}));
            QVERIFY(searchFinds(1));
        }
        QVERIFY(!tree->isHeaderHidden());
        QTreeWidgetItem *row = tree->topLevelItem(0);
        // The menu on a row offers Edit and Copy; below the rows it does not.
        const QStringList common{"Select All",        "Deselect All",      "|",
                                 "Expand All",        "Collapse All",      "|",
                                 "Export List\u2026", "Import Plan\u2026", "Clear"};
        QCOMPARE(contextMenuAt(tree, tree->visualItemRect(row).center()),
                 QStringList({"Edit", "Copy", "Open Web Page", "Forget Device", "|"}) + common);
        QVERIFY(!action("actionOpenWebPage")->isEnabled()); // HTTP port 0: no page
        QCOMPARE(contextMenuAt(tree, QPoint(5, tree->viewport()->height() - 5)), common);

        QCOMPARE(row->text(2), QStringLiteral("169.255.255.254"));
        QCOMPARE(row->background(0).color(), QColor(182, 255, 0));
        const QStringList labels{"IP Address",    "Subnet Mask",  "Gateway",       "DHCP",
                                 "Main TCP Port", "Aux TCP Port", "HTTP TCP Port", "Name",
                                 "HW Name",       "HW Version",   "Up Time",       "Bus Onewire",
                                 "Bus RS485",     "Bus TCP",      "Interface"};
        QStringList children[2];
        for (int i = 0; i < row->childCount(); ++i) {
            for (int column : {0, 1})
                children[column] << row->child(i)->text(column);
        }
        QCOMPARE(children[0], labels + QStringList(3, QStringLiteral("Warning:")));
        QCOMPARE(children[1].mid(labels.size()),
                 QStringList({"Cable was disconnected", "IP address in conflict", "Error 0x0200"}));

        // The label column shows while a row is open, also after Expand All.
        QVERIFY(tree->isColumnHidden(1));
        tree->expandItem(row);
        QVERIFY(!tree->isColumnHidden(1));
        tree->collapseItem(row);
        QVERIFY(tree->isColumnHidden(1));
        action("actionExpandAll")->trigger();
        QVERIFY(!tree->isColumnHidden(1));

        // Copy takes one cell, here a warning's text.
        tree->setCurrentItem(row->child(row->childCount() - 1), 1);
        action("actionCopy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Error 0x0200"));

        // Nobody answers now: the row goes at the end of the period, the
        // picture for an empty search comes, and Clear takes it away.
        QVERIFY(searchPeriodPasses(window.get(), PeriodWaitMs));
        QCOMPARE(tree->topLevelItemCount(), 0);
        QVERIFY(tree->isHeaderHidden());
        QVERIFY(!isBlank(tree->viewport()));
        action("actionClear")->trigger();
        QVERIFY(isBlank(tree->viewport()));
    }

    void controlClickRepeatsUntilPlainClick()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, {});
        const auto requests = [&] { return sim.events(QStringLiteral("request")).size(); };
        QTest::mouseClick(refresh, Qt::LeftButton, Qt::ControlModifier);
        QVERIFY(refresh->isChecked() && refresh->isEnabled());
        QVERIFY(QTest::qWaitFor([&] { return requests() >= 3; }, 3 * PeriodWaitMs));

        // A plain click: one more period, then no more. The device's row once
        // that period ended means the simulator took (and logged) its request.
        QVERIFY(searchFinds(1));
        QVERIFY(!refresh->isChecked());
        const auto sent = requests();
        QTest::qWait(2500); // two ticks that must send nothing
        QCOMPARE(requests(), sent);
    }

    // The tab order; then the interface chosen, checked in its menu, the
    // system's choice again, a search through it, and Escape, which closes as
    // Exit does, saving the choice and the geometry.
    void keyboardReachesEveryControlAndEscapeSaves()
    {
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        refresh->setFocus();
        QStringList order{refresh->objectName()};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"buttonRefresh", "buttonEdit", "buttonMenu", "tree"}));
        QMenu *menu = submenu(1);
        const auto checked = [menu] {
            Q_EMIT menu->aboutToShow();
            QStringList texts;
            for (const QAction *entry : menu->actions())
                texts << (entry->isChecked() ? entry->text() : QString());
            return texts;
        };
        QCOMPARE(checked(), QStringList({"System Default", ""}));
        menu->actions().at(1)->trigger();
        QCOMPARE(checked(), QStringList({"", "All network interfaces"}));
        menu->actions().first()->trigger();
        QCOMPARE(checked(), QStringList({"System Default", ""}));
        SimulatorProcess sim; // on loopback, which only the system's route reaches
        SCOUTEL_START_SIM(sim, {});
        QVERIFY(searchFinds(1));
        QSettings().remove("UI");
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QVERIFY(QSettings().contains("UI/Scoutel/geometry"));
        QCOMPARE(QSettings().value("System/interfaceIndex").toInt(), -1);
    }

    // English at the start, checked: the system's language, or English all the
    // same, plural forms included, where that has no catalogue (ctest runs this
    // again under C.UTF-8 and fr_FR.UTF-8). Then Italian, and Exit.
    void languageSwitchRetitles()
    {
        for (const QString count : {"1 device, 0 selected", "5 devices, 0 selected"}) {
            SimulatorProcess sim; // as many devices as the count's first digit says
            SCOUTEL_START_SIM(sim, QStringList({"--count", count.left(1)}));
            QVERIFY(searchFinds(count.left(1).toInt()));
            QCOMPARE(window->findChild<QLabel *>("labelCount")->text(), count);
        }
        const auto shown = [&] {
            return QStringList{refresh->text(),
                               submenu(0)->title(),
                               submenu(1)->title(),
                               tree->headerItem()->text(0),
                               QAccessible::queryAccessibleInterface(tree)->text(QAccessible::Name),
                               window->findChild<QLabel *>("labelCount")->text()};
        };
        QCOMPARE(shown(), QStringList({"Refresh", "Language", "Network Interface", "MAC Address",
                                       "Devices", "5 devices, 0 selected"}));
        QMap<QString, QAction *> entries;
        for (QAction *entry : submenu(0)->actions())
            entries.insert(entry->text(), entry);
        QCOMPARE(entries.keys(), QStringList({"English", "German", "Italian"}));
        QVERIFY(entries.value("English")->isChecked());
        entries.value("Italian")->trigger();
        QTRY_COMPARE(shown(),
                     QStringList({"Aggiorna", "Lingua", "Interfaccia di rete", "Indirizzo MAC",
                                  "Dispositivi", "5 dispositivi, 0 selezionati"}));
        action("actionExit")->trigger(); // closes as Escape does
        QVERIFY(!window->isVisible());
    }
};

SCOUTEL_WINDOW_TEST_MAIN(TestScoutelWindow)

#include "tst_scoutelwindow.moc"
