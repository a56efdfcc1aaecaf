// The window against the device simulator, inside a private network.
#include "privatenamespace.h"
#include "scoutel.h"
#include "simulatorprocess.h"
#include "sktreewidget.h"
#include "windowtest.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QNetworkInterface>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {
constexpr int PeriodWaitMs = 6000;

QString macText(int device)
{
    return QStringLiteral("02-53-43-00-00-%1").arg(device, 2, 16, QLatin1Char('0')).toUpper();
}

QStringList texts(const QList<QAction *> &actions)
{
    QStringList list;
    for (const QAction *action : actions)
        list << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return list;
}

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

    bool searchOnce() { return ::searchOnce(window.get(), PeriodWaitMs); }

    QTreeWidgetItem *row(int device)
    {
        const auto found = tree->findItems(macText(device), Qt::MatchExactly, 0);
        return found.size() == 1 ? found.first() : nullptr;
    }

    // The menu the tree offers at pos, as texts; empty when none opens.
    QStringList contextMenuAt(const QPoint &pos)
    {
        QStringList entries;
        QTimer::singleShot(0, this, [&] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                entries = texts(menu->actions());
                menu->close();
            }
        });
        Q_EMIT tree->customContextMenuRequested(pos);
        QCoreApplication::processEvents();
        return entries;
    }

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

    void refreshListsAndForgetsDevices()
    {
        QVERIFY(tree->isHeaderHidden());
        QVERIFY(isBlank(tree->viewport()));
        {
            SimulatorProcess sim;
            // A datagram that is no answer makes no row.
            SCOUTEL_START_SIM(sim, QStringList({"--count", "3", "--foreign"}));
            QVERIFY(searchOnce());
            QCOMPARE(tree->topLevelItemCount(), 3);
            QVERIFY(!tree->isHeaderHidden());
            QVERIFY(window->findChild<QToolButton *>("buttonEdit")->isEnabled());
        }
        // Nobody answers now: the rows go at the end of the period, the
        // picture for an empty search comes, and Clear takes it away.
        QVERIFY(searchOnce());
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
        QVERIFY(refresh->isChecked());
        QVERIFY(refresh->isEnabled());
        QVERIFY(QTest::qWaitFor([&] { return requests() >= 3; }, 3 * PeriodWaitMs));

        QTest::mouseClick(refresh, Qt::LeftButton);
        QVERIFY(!refresh->isChecked());
        QVERIFY(!refresh->isEnabled());
        QVERIFY(QTest::qWaitFor([&] { return refresh->isEnabled(); }, PeriodWaitMs));
        const auto sent = requests();
        QTest::qWait(2500);
        QCOMPARE(requests(), sent);
    }

    void rowsShowValuesAndWarnings()
    {
        QCOMPARE(contextMenuAt(QPoint(5, 5)), QStringList()); // no rows, no menu
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, QStringList({"--count", "2", "--odd-sender", "--status", "0x204"}));
        QVERIFY(searchOnce());
        QTreeWidgetItem *odd = row(1);
        QTreeWidgetItem *plain = row(2);
        QVERIFY(odd && plain);
        // The menu on a row offers Edit and Copy; below the rows it does not.
        const QStringList common{"Select All", "Deselect All", "|", "Expand All", "Collapse All",
                                 "|",          "Clear"};
        QCOMPARE(contextMenuAt(tree->visualItemRect(odd).center()),
                 QStringList({"Edit", "Copy", "|"}) + common);
        QCOMPARE(contextMenuAt(QPoint(5, tree->viewport()->height() - 5)), common);

        QCOMPARE(odd->text(2), QStringLiteral("169.255.255.254"));
        QCOMPARE(plain->text(13), QStringLiteral("v 3.01"));
        QCOMPARE(odd->background(0).color(), QColor(182, 255, 0));

        const QStringList labels{"IP Address",    "Subnet Mask",  "Gateway",       "DHCP",
                                 "Main TCP Port", "Aux TCP Port", "HTTP TCP Port", "Name",
                                 "HW Name",       "HW Version",   "Up Time",       "Bus Onewire",
                                 "Bus RS485",     "Bus TCP"};
        const auto children = [](QTreeWidgetItem *item, int column) {
            QStringList list;
            for (int i = 0; i < item->childCount(); ++i)
                list << item->child(i)->text(column);
            return list;
        };
        const QString warning = QStringLiteral("Warning:");
        QCOMPARE(children(odd, 0), labels + QStringList(3, warning));
        QCOMPARE(children(odd, 1).mid(labels.size()),
                 QStringList({"Cable was disconnected", "IP address in conflict", "Error 0x0200"}));
        QCOMPARE(children(plain, 1).mid(labels.size()),
                 QStringList({"Cable was disconnected", "Error 0x0200"}));
        QCOMPARE(children(plain, 1).at(7), QStringLiteral("Safe 2"));

        // The label column shows while a row is open, also after Expand All.
        QVERIFY(tree->isColumnHidden(1));
        tree->expandItem(odd);
        QVERIFY(!tree->isColumnHidden(1));
        tree->collapseItem(odd);
        QVERIFY(tree->isColumnHidden(1));
        action("actionExpandAll")->trigger();
        QVERIFY(!tree->isColumnHidden(1));

        // Copy takes one cell, here a warning's text.
        tree->setCurrentItem(plain->child(plain->childCount() - 1), 1);
        action("actionCopy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Error 0x0200"));
    }

    void keyboardReachesEveryControl()
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
    }

    void interfaceMenuChecksTheStoredOne()
    {
        if (!PrivateNamespace::isOwn())
            QSKIP("interfaces are added only inside a namespace of this test's own");
        const QString first = QStringLiteral("sctlwin0");
        const QString second = QStringLiteral("sctlwin1");
        if (!PrivateNamespace::ip({"link", "add", first, "type", "veth", "peer", "name", second}))
            QSKIP("virtual Ethernet interfaces are not available here");
        QVERIFY(PrivateNamespace::ip({"link", "set", first, "up", "multicast", "on"}));
        QVERIFY(PrivateNamespace::ip({"link", "set", second, "up", "multicast", "on"}));
        const int firstIndex = QNetworkInterface::interfaceIndexFromName(first);
        const int secondIndex = QNetworkInterface::interfaceIndexFromName(second);

        QMenu *menu = submenu(1);
        const auto checked = [&] {
            Q_EMIT menu->aboutToShow();
            QStringList names;
            for (const QAction *entry : menu->actions()) {
                if (entry->isChecked())
                    names << entry->text();
            }
            return names;
        };
        QCOMPARE(checked(), QStringList());
        for (QAction *entry : menu->actions()) {
            if (entry->text() == second)
                entry->trigger();
        }
        QCOMPARE(checked(), QStringList{second});
        QCOMPARE(menu->actions().size(), 2);
        PrivateNamespace::ip({"link", "delete", first});

        window->resize(640, 480);
        action("actionExit")->trigger();
        QVERIFY(!window->isVisible());
        QSettings store;
        QCOMPARE(store.value("System/interfaceIndex").toInt(), secondIndex);
        QVERIFY(secondIndex != firstIndex);
        QVERIFY(store.value("System/language").isValid());
        QVERIFY(!store.value("UI/Scoutel/geometry").toByteArray().isEmpty());
    }

    void escapeAlsoSavesTheGeometry()
    {
        QSettings().remove("UI");
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(QSettings().contains("UI/Scoutel/geometry"));
    }

    // To Italian and back to English, the system's language, checked at the start.
    void languageSwitchRetitles()
    {
        const auto shown = [&] {
            return QStringList{
                refresh->text(), submenu(0)->title(), submenu(1)->title(),
                tree->headerItem()->text(0),
                QAccessible::queryAccessibleInterface(tree)->text(QAccessible::Name)};
        };
        const QStringList english = shown();
        QCOMPARE(english, QStringList({"Refresh", "Language", "Network Interface", "MAC Address",
                                       "Devices"}));
        QMap<QString, QAction *> entries;
        for (QAction *entry : submenu(0)->actions())
            entries.insert(entry->text(), entry);
        QCOMPARE(entries.keys(), QStringList({"English", "German", "Italian"}));
        QVERIFY(entries.value("English")->isChecked());
        entries.value("Italian")->trigger();
        QTRY_COMPARE(shown(), QStringList({"Aggiorna", "Lingua", "Interfaccia di rete",
                                           "Indirizzo MAC", "Dispositivi"}));
        entries.value("English")->trigger();
        QTRY_COMPARE(shown(), english);
    }
};

SCOUTEL_WINDOW_TEST_MAIN(TestScoutelWindow)

#include "tst_scoutelwindow.moc"
