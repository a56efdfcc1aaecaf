// Configuring selected devices end to end: the window, the edit dialog driven
// as a user would, and the device simulator inside a private network.
#include "devicerowcontent.h"
#include "dialogedit.h"
#include "dialogplan.h"
#include "resultsdialog.h"
#include "scoutel.h"
#include "simulatorprocess.h"
#include "sktreewidget.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {
// A ceiling for a phase or a search's answers, generous for a loaded machine.
constexpr int PhaseWaitMs = 30000;
// Long enough for a summary that should not come.
constexpr int QuietMs = 2000;
const QString NewName = QStringLiteral("Vault");
const QString Success = QStringLiteral("Operation completed successfully.");

QStringList fleet(int count, const QStringList &more = {})
{
    return QStringList{"--count", QString::number(count)} + more;
}

QString problems(const QString &lines)
{
    return QStringLiteral("There were some errors.\n") + lines;
}
} // namespace

// Import Plan opens the file the test names.
struct SeamedWindow : Scoutel
{
    QString planFile;
    QString askPlanFileName() override { return planFile; }
};

class TestApplyConfiguration : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SeamedWindow> window;
    SkTreeWidget *tree = nullptr;
    QTimer modalHandler;
    QString password;
    bool rename = false;
    // Summaries are answered with Show Results instead of OK.
    bool showResults = false;
    // Fills the dialog instead of password, name and Restart only.
    std::function<void(DialogEdit *)> fillDialog;
    // Each summary box: its text, then its informative text on the next line.
    QStringList summaries;
    // Refresh could be pressed when the last summary opened.
    bool refreshAtSummary = false;

    // Later: a box run from inside this timer's slot would stop the timer.
    static void press(QAbstractButton *button)
    {
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    }

    // The boxes come over the dialog: they are answered first.
    void answerModal()
    {
        const QWidgetList shown = QApplication::topLevelWidgets();
        for (QWidget *widget : shown) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box || !box->isVisible())
                continue;
            QAbstractButton *yes = box->button(QMessageBox::Yes);
            const QList<QAbstractButton *> buttons = box->buttons();
            for (QAbstractButton *action : buttons) {
                if (showResults && box->buttonRole(action) == QMessageBox::ActionRole)
                    return press(action);
            }
            return press(yes ? yes : box->button(QMessageBox::Ok));
        }
        for (QWidget *widget : shown) {
            auto *input = qobject_cast<QInputDialog *>(widget);
            if (!input || !input->isVisible())
                continue;
            input->setTextValue(password);
            QMetaObject::invokeMethod(input, &QDialog::accept, Qt::QueuedConnection);
            return;
        }
        for (QWidget *widget : shown) {
            auto *dialog = qobject_cast<DialogEdit *>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            dialog->findChild<QLineEdit *>("editPassword")->setText(password);
            dialog->findChild<QCheckBox *>("checkName")->setChecked(rename);
            dialog->findChild<QLineEdit *>("editName")->setText(NewName);
            dialog->findChild<QCheckBox *>("checkRestart")->setChecked(false);
            if (fillDialog)
                fillDialog(dialog);
            return press(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));
        }
    }

    // Boxes that tell, in the order they open: several may be open at once.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (event->type() == QEvent::Show && box && !box->button(QMessageBox::Yes)) {
            const QString more = box->informativeText();
            summaries << box->text() + (more.isEmpty() ? QString() : '\n' + more);
            refreshAtSummary = button("buttonRefresh")->isEnabled();
        }
        return false;
    }

    void openWindow()
    {
        window = std::make_unique<SeamedWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        tree = window->findChild<SkTreeWidget *>("tree");
        summaries.clear();
        fillDialog = nullptr;
    }

    bool searchFinds(int rows) { return ::searchFinds(window.get(), rows, PhaseWaitMs); }
    bool waitSummaries(qsizetype count)
    {
        return QTest::qWaitFor([&] { return summaries.size() >= count; }, PhaseWaitMs);
    }
    QToolButton *button(const char *name) { return window->findChild<QToolButton *>(name); }
    // The texts of a column in its first rows, after a search.
    QStringList shown(int column, qsizetype rows)
    {
        QStringList texts;
        for (int i = 0; i < rows; ++i)
            texts << tree->topLevelItem(i)->text(column);
        return texts;
    }

    // MACs of the requests of one command logged from line first on.
    static QStringList requestMacs(const SimulatorProcess &sim, int command, qsizetype first)
    {
        QStringList macs;
        for (const QJsonObject &request : sim.requests(command, first)) {
            if (request["mac"] != "FF FF FF FF FF FF") // a search of every device
                macs << request["mac"].toString();
        }
        return macs;
    }

private Q_SLOTS:
    void initTestCase()
    {
        connect(&modalHandler, &QTimer::timeout, this, &TestApplyConfiguration::answerModal);
        modalHandler.start(50);
        qApp->installEventFilter(this);
    }

    void init() { openWindow(); }

    void cleanup()
    {
        window.reset();
        showResults = false;
    }

    // One target confirms, one refuses the password, one is silent after its
    // configuration. The results list each; Retry Failed sends to the two
    // that failed only, under the password asked for again; each operation
    // leaves its line in the log.
    void resultsAndRetry()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim,
                          fleet(3, {"--passwords", "secret,other,secret", "--mute-config", "3"}));
        QVERIFY(searchFinds(3));
        const QString log = qEnvironmentVariable("XDG_STATE_HOME") + "/scoutel/operations.jsonl";
        const qsizetype logged = fileContent(log).count('\n');
        password = "secret";
        rename = showResults = true;
        const QString newPassword = "Pw-7t3Zq-distinct", key = "c0ffee0ddba11ad5eed5cafe";
        fillDialog = [&](DialogEdit *dialog) {
            dialog->findChild<QCheckBox *>("checkNewPassword")->setChecked(true);
            dialog->findChild<QLineEdit *>("editNewPassword")->setText(newPassword);
            dialog->findChild<QCheckBox *>("checkPublicKey")->setChecked(true);
            dialog->findChild<QLineEdit *>("editPublicKey")->setText(key);
        };
        tree->selectAll();
        QTest::mouseClick(button("buttonEdit"), Qt::LeftButton);
        QVERIFY(waitSummaries(1));
        QVERIFY(QTest::qWaitFor([&] { return window->findChild<ResultsDialog *>(); }, PhaseWaitMs));
        auto *results = window->findChild<ResultsDialog *>();
        auto *table = results->findChild<QTableWidget *>("tableResults");
        table->sortByColumn(0, Qt::AscendingOrder);
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column)
                rows << table->item(row, column)->text();
        }
        QCOMPARE(rows.join('|').replace("name, new_password, public_key", "*"),
                 "02-53-43-00-00-01|Safe 1|127.0.0.2|*|all ok (OK)|"
                 "02-53-43-00-00-02|Safe 2|127.0.0.3|*|wrong password (ERROR_WRONG_PASSWORD)|"
                 "02-53-43-00-00-03|Safe 3|127.0.0.4|*|no answer to the configuration");
        const qsizetype retryLine = sim.log().size();
        password = "other";
        QTest::mouseClick(results->findChild<QPushButton *>("buttonRetry"), Qt::LeftButton);
        QVERIFY(waitSummaries(2));
        QCOMPARE(summaries.last(), problems("02 53 43 00 00 03 does not respond\n"));
        for (const int command : {1, 3}) {
            QStringList macs = requestMacs(sim, command, retryLine);
            macs.sort();
            QCOMPARE(macs, QStringList({"02 53 43 00 00 02", "02 53 43 00 00 03"}));
        }
        QStringList outcomes;
        for (const QByteArray &line : fileContent(log).split('\n').mid(logged, 2)) {
            QStringList each;
            for (const QJsonValue &target : QJsonDocument::fromJson(line)["targets"].toArray())
                each << target["mac"].toString().right(1) + ':' + target["outcome"].toString();
            each.sort();
            outcomes << each;
        }
        QCOMPARE(outcomes.join(' '), "1:confirmed 2:refused 3:no_configuration_answer "
                                     "2:confirmed 3:no_configuration_answer");
        // The history lists them, newest first: the retry failed on one of two.
        window->findChild<QAction *>("actionOperationHistory")->trigger();
        auto *history = window->findChild<QTableWidget *>("tableOperations");
        QCOMPARE(history->item(0, 4)->text() + history->item(1, 4)->text(), "12");
        // Neither secret reaches the log or the settings the window saves on closing.
        window.reset();
        QDirIterator files(qEnvironmentVariable("XDG_STATE_HOME"), QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QByteArray content = fileContent(files.next()).toLower();
            QVERIFY(!content.contains(newPassword.toLower().toUtf8()) &&
                    !content.contains(key.toUtf8()));
        }
    }

    void applies_data()
    {
        QTest::addColumn<int>("listed");
        QTest::addColumn<QStringList>("applyFleet");
        QTest::addColumn<QString>("currentPassword");
        QTest::addColumn<bool>("renames");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("configurations");
        QTest::addColumn<int>("rowsAfter");

        QTest::newRow("three answer both phases")
            << 3 << QStringList() << "secret" << true << QStringList{Success} << 3 << 3;
        QTest::newRow("one silent for its challenge")
            << 3 << fleet(2) << "secret" << true
            << QStringList{problems("02 53 43 00 00 03 does not respond\n")} << 0 << 2;
        QTest::newRow("wrong password keeps the rows")
            << 1 << QStringList() << "guess" << true
            << QStringList{problems("02 53 43 00 00 01: wrong password\n")} << 1 << 1;
        QTest::newRow("session expired clears the rows, the next search fills them")
            << 1 << fleet(1, {"--verdict", "-105"}) << "secret" << true
            << QStringList{problems("02 53 43 00 00 01: session expired\n")} << 1 << 1;
        // Refused before any challenge, as the command line refuses it.
        QTest::newRow("nothing to send")
            << 1 << QStringList() << "secret" << false
            << QStringList{problems("02 53 43 00 00 01: No data to send.\n")} << 0 << 1;
        // The stray answer to the challenge comes after the sequences were
        // renewed: told, but no error, since the target took its configuration.
        // The one to the configuration is a second answer, and so is the one
        // to the search after the summary: they update the record, no summary.
        QTest::newRow("stray answers: success told with them, and no second summary")
            << 1 << fleet(1, {"--stray-config", "1"}) << "secret" << true
            << QStringList{Success + "\nReceive error: ERROR_IN_SEQUENCE\n"} << 1 << 1;
        QTest::newRow("silent for its configuration")
            << 2 << fleet(2, {"--mute-config", "2"}) << "secret" << true
            << QStringList{problems("02 53 43 00 00 02 does not respond\n")} << 2 << 2;
        // A new search while the targets confirm, which they delay, must not turn them away;
        // the summary comes before that search ends, which keeps Refresh disabled.
        // rowsAfter: once the search after the summary ended.
        QTest::newRow("Refresh while the targets confirm")
            << 2 << fleet(2, {"--delay", "500"}) << "secret" << true << QStringList{Success} << 2
            << 2;
    }

    void applies()
    {
        QFETCH(int, listed);
        QFETCH(QStringList, applyFleet);
        QFETCH(QString, currentPassword);
        QFETCH(bool, renames);
        QFETCH(QStringList, expected);
        QFETCH(int, configurations);
        QFETCH(int, rowsAfter);
        password = currentPassword;
        rename = renames;

        auto sim = std::make_unique<SimulatorProcess>();
        SCOUTEL_START_SIM(*sim, fleet(listed));
        QVERIFY(searchFinds(listed));
        if (!applyFleet.isEmpty()) {
            sim = std::make_unique<SimulatorProcess>();
            SCOUTEL_START_SIM(*sim, applyFleet);
        }
        const qsizetype firstLine = sim->log().size();
        tree->selectAll();
        QStringList lastFirst;
        for (const QTreeWidgetItem *row : tree->selectedItems())
            lastFirst.prepend(row->text(0).replace('-', ' '));

        QToolButton *edit = button("buttonEdit");
        QTest::mouseClick(edit, Qt::LeftButton);
        if (applyFleet.contains("--delay")) {
            // Edit waits for the summary, and says why.
            QToolButton *refresh = button("buttonRefresh");
            QVERIFY(QTest::qWaitFor([&] { return refresh->isEnabled(); }, PhaseWaitMs));
            QVERIFY(!edit->isEnabled() && !edit->toolTip().isEmpty());
            QTest::mouseClick(refresh, Qt::LeftButton);
        }
        QVERIFY(waitSummaries(expected.size()));
        if (applyFleet.contains("--delay"))
            QVERIFY(!refreshAtSummary);
        QTest::qWait(QuietMs);
        QCOMPARE(summaries, expected);
        // Without a change nothing is asked.
        QCOMPARE(requestMacs(*sim, 1, firstLine), rename ? lastFirst : QStringList());
        // Configurations go in the order the challenges came back: compare sorted.
        QStringList configured = requestMacs(*sim, 3, firstLine);
        configured.sort();
        QStringList targets = lastFirst.mid(0, configurations);
        targets.sort();
        QCOMPARE(configured, targets);
        QVERIFY(edit->isEnabled());
        // The search after the summary shows what the devices now report.
        const QStringList names(listed, expected == QStringList{Success} ? NewName : "");
        QVERIFY(QTest::qWaitFor(
            [&] {
                return tree->topLevelItemCount() == rowsAfter &&
                       (names.first().isEmpty() || shown(ColumnName, listed) == names);
            },
            PhaseWaitMs));
        if (expected != QStringList{Success})
            return;
        const QList<QJsonObject> applied = sim->events("apply");
        QCOMPARE(applied.size(), listed);
        QVERIFY(applied.first()["tags"].toArray().contains(21));
    }

    // A remembered file with an entry per device gives each device its own
    // entry; one that misses a target gives nobody anything.
    void rememberedPerDeviceFile_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("every target has its entry")
            << 2 << QStringList{Success} << QStringList{"Alpha", "Bravo"};
        QTest::newRow("a target without entry")
            << 3 << QStringList{"Some MAC addresses are missing:\n 02-53-43-00-00-03", Success}
            << QStringList{NewName, NewName, NewName};
    }
    void rememberedPerDeviceFile()
    {
        QFETCH(int, count);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, names);
        QTemporaryDir dir;
        const QString file = dir.filePath("fleet.xml");
        QVERIFY(writeFileContent(
            file, "<?xml version=\"1.0\"?>\n<!--SCXMPL;1;7-->\n<regions><branches><safes>\n"
                  "<safe mac_address='02-53-43-00-00-01' name='Alpha'/>\n"
                  "<safe mac_address='02-53-43-00-00-02' name='Bravo'/>\n"
                  "</safes></branches></regions>\n"));
        QSettings store;
        store.setValue("System/rememberFilename", true);
        store.setValue("System/filename", file);
        store.sync();
        openWindow();
        password = "secret";
        rename = count > 2; // only where the file gives nothing
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, fleet(count));
        QVERIFY(searchFinds(count));
        tree->selectAll();
        QTest::mouseClick(button("buttonEdit"), Qt::LeftButton);
        QVERIFY(waitSummaries(boxes.size()));
        QCOMPARE(summaries, boxes);
        store.remove("System");
        // The search after the summary shows what the devices took.
        QTRY_COMPARE_WITH_TIMEOUT(shown(ColumnName, tree->topLevelItemCount()), names, PhaseWaitMs);
    }

    // Each target gets the next address that no other device holds.
    void nextFreeAddresses_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("addresses"); // the targets', in their order
        QTest::newRow("a fourth device holds one")
            << 4 << QStringList{"10.0.0.10", "10.0.0.12", "10.0.0.13"};
        QStringList fifty;
        for (int i = 10; i < 60; ++i)
            fifty << QStringLiteral("10.0.0.%1").arg(i);
        QTest::newRow("fifty in one operation") << 50 << fifty;
    }
    void nextFreeAddresses()
    {
        QFETCH(int, count);
        QFETCH(QStringList, addresses);
        password = "secret";
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, fleet(count));
        const auto configure = [&](int first, int last, const QString &address, bool next) {
            QVERIFY(searchFinds(count));
            tree->clearSelection();
            for (int i = first - 1; i < last; ++i)
                tree->topLevelItem(i)->setSelected(true);
            fillDialog = [=](DialogEdit *dialog) {
                dialog->findChild<QGroupBox *>("groupNetwork")->setChecked(true);
                dialog->findChild<QLineEdit *>("editIpAddress")->setText(address);
                dialog->findChild<QLineEdit *>("editSubnet")->setText("255.255.255.0");
                dialog->findChild<QLineEdit *>("editGateway")->setText("10.0.0.1");
                dialog->findChild<QCheckBox *>("checkNextAddress")->setChecked(next);
            };
            summaries.clear();
            QTest::mouseClick(button("buttonEdit"), Qt::LeftButton);
            QVERIFY(waitSummaries(1));
            QCOMPARE(summaries, QStringList{Success});
        };
        tree->sortItems(0, Qt::AscendingOrder);
        if (count > addresses.size())
            configure(count, count, "10.0.0.11", false);
        configure(1, int(addresses.size()), addresses.first(), true);
        QTRY_COMPARE_WITH_TIMEOUT(shown(ColumnIpAddress, addresses.size()), addresses, PhaseWaitMs);
    }

    // On the namespace's two networks: the chosen interface decides which
    // fleet answers; through all, each row names its network and one
    // operation configures a device on each through its own.
    void twoNetworks()
    {
        SimulatorProcess first;
        SimulatorProcess second;
        SCOUTEL_START_SIM(first, fleet(2, {"--interface", "sctlnet1", "--odd-sender"}));
        SCOUTEL_START_SIM(second, fleet(1, {"--interface", "sctlnet2", "--name-prefix", "B"}));
        auto *count = window->findChild<QLabel *>("labelCount");
        const auto choose = [&](const QString &entry, int rows) {
            window->menuInterface_aboutToShow();
            const QList<QAction *> entries =
                window->findChildren<QMenu *>().first()->actions().at(1)->menu()->actions();
            for (QAction *action : entries) {
                if (action->text() == entry)
                    action->trigger();
            }
            QVERIFY(searchFinds(rows));
        };
        choose("sctlnet2", 1);
        QCOMPARE(shown(ColumnName, tree->topLevelItemCount()), QStringList{"B 1"});
        QCOMPARE(count->text(), QStringLiteral("1 device, 0 selected"));

        choose("All network interfaces", 3);
        tree->sortItems(ColumnName, Qt::AscendingOrder);
        QCOMPARE(shown(ColumnName, 3), QStringList({"B 1", "Safe 1", "Safe 2"}));
        QCOMPARE(shown(ColumnInterface, 3), QStringList({"sctlnet2", "sctlnet1", "sctlnet1"}));
        const auto lastChild = [&](int row) {
            const QTreeWidgetItem *device = tree->topLevelItem(row);
            return device->child(device->childCount() - 1)->text(1);
        };
        // Safe 1 answers from 169.255.255.254: outside the network of sctlnet1.
        QCOMPARE(lastChild(1), QStringLiteral("Not in the network of sctlnet1"));
        QCOMPARE(lastChild(2), QStringLiteral("sctlnet1"));

        const qsizetype firstLine = first.log().size();
        password = "secret";
        rename = true;
        tree->topLevelItem(0)->setSelected(true);
        tree->topLevelItem(2)->setSelected(true);
        QCOMPARE(count->text(), QStringLiteral("3 devices, 2 selected"));
        QTest::mouseClick(button("buttonEdit"), Qt::LeftButton);
        QVERIFY(waitSummaries(1));
        QCOMPARE(summaries, QStringList{Success});
        // Each network carried only its own device's challenge and configuration.
        for (const SimulatorProcess *sim : {&first, &second}) {
            const QString interface = sim == &first ? "sctlnet1" : "sctlnet2";
            const QList<QJsonObject> configurations = sim->requests(3);
            QCOMPARE(configurations.size(), 1);
            QCOMPARE(configurations.first()["interface"].toString(), interface);
            QCOMPARE(requestMacs(*sim, 1, sim == &first ? firstLine : 0),
                     QStringList{configurations.first()["mac"].toString()});
        }
        // The search after the summary shows the new names; a find counts what it shows.
        QVERIFY(QTest::qWaitFor(
            [&] {
                return shown(ColumnName, 3) == QStringList({"Vault", "Safe 1", "Vault"});
            },
            PhaseWaitMs));
        window->findChild<QLineEdit *>("editFind")->setText("Safe");
        QCOMPARE(count->text(), QStringLiteral("1 of 3 devices, 0 selected"));
    }

    // A plan imported from the button menu: the preview greys the device not
    // found, one found device is unticked; only the ticked ones get their rows.
    void importPlan()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, fleet(3));
        QVERIFY(searchFinds(3));
        QTemporaryDir folder;
        window->planFile = folder.filePath("plan.csv");
        QVERIFY(writeFileContent(window->planFile, "mac_address;name;session_minutes\r\n"
                                                   "02-53-43-00-00-01;Vault 1;\r\n"
                                                   "02-53-43-00-00-02;Vault 2;30\r\n"
                                                   "02-53-43-00-00-03;;15\r\n"
                                                   "02-53-43-00-00-0E;Spare;\r\n"));
        window->findChild<QAction *>("actionImportPlan")->trigger();
        auto *dialog = window->findChild<DialogPlan *>();
        QVERIFY(dialog && dialog->isVisible());
        auto *plan = dialog->findChild<QTreeWidget *>("treePlan");
        QStringList rows;
        for (int i = 0; i < plan->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = plan->topLevelItem(i);
            rows << QStringLiteral("%1 %2 %3")
                        .arg(item->checkState(0))
                        .arg(!item->isDisabled())
                        .arg(item->text(2));
        }
        QCOMPARE(rows, QStringList({"2 1 name: Safe 1 -> Vault 1",
                                    "2 1 name: Safe 2 -> Vault 2; session_minutes: 15 -> 30",
                                    "0 1 nothing to change", "0 0 not found"}));
        plan->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        dialog->findChild<QLineEdit *>("editPassword")->setText("secret");
        QTest::mouseClick(dialog->findChild<QPushButton *>("buttonApply"), Qt::LeftButton);
        QVERIFY(waitSummaries(1));
        QCOMPARE(summaries, QStringList{Success});
        QCOMPARE(requestMacs(sim, 3, 0), QStringList{"02 53 43 00 00 01"});
        QCOMPARE(sim.events("apply").size(), 1);
    }
};

SCOUTEL_WINDOW_TEST_MAIN(TestApplyConfiguration)

#include "tst_applyconfiguration.moc"
