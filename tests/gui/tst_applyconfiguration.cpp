// Configuring selected devices end to end: the window, the edit dialog driven
// as a user would, and the device simulator inside a private network.
#include "dialogedit.h"
#include "scoutel.h"
#include "simulatorprocess.h"
#include "sktreewidget.h"
#include "windowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {
constexpr int PhaseWaitMs = 12000;
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

class TestApplyConfiguration : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Scoutel> window;
    SkTreeWidget *tree = nullptr;
    QTimer modalHandler;
    QString password;
    bool rename = false;
    // Each summary box: its text, then its informative text on the next line.
    QStringList summaries;

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
            if (QAbstractButton *yes = box->button(QMessageBox::Yes))
                return press(yes);
            const QString more = box->informativeText();
            summaries << box->text() + (more.isEmpty() ? QString() : '\n' + more);
            return press(box->button(QMessageBox::Ok));
        }
        for (QWidget *widget : shown) {
            auto *dialog = qobject_cast<DialogEdit *>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            dialog->findChild<QLineEdit *>("editPassword")->setText(password);
            dialog->findChild<QCheckBox *>("checkName")->setChecked(rename);
            dialog->findChild<QLineEdit *>("editName")->setText(NewName);
            dialog->findChild<QCheckBox *>("checkRestart")->setChecked(false);
            return press(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));
        }
    }

    bool searchOnce() { return ::searchOnce(window.get(), PhaseWaitMs); }

    // MACs of the requests of one command logged from line first on.
    static QStringList requestMacs(const SimulatorProcess &sim, int command, qsizetype first)
    {
        QStringList macs;
        for (const QJsonObject &request : sim.requests(command, first))
            macs << request["mac"].toString();
        return macs;
    }

private Q_SLOTS:
    void initTestCase()
    {
        connect(&modalHandler, &QTimer::timeout, this, &TestApplyConfiguration::answerModal);
        modalHandler.start(50);
    }

    void init()
    {
        window = std::make_unique<Scoutel>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        tree = window->findChild<SkTreeWidget *>("tree");
        summaries.clear();
    }

    void cleanup() { window.reset(); }

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
            << QStringList{problems("02 53 43 00 00 03 does not respond\n")} << 0 << 3;
        QTest::newRow("wrong password keeps the rows")
            << 1 << QStringList() << "guess" << true
            << QStringList{problems("02 53 43 00 00 01: wrong password\n")} << 1 << 1;
        QTest::newRow("session expired clears the rows")
            << 1 << fleet(1, {"--verdict", "-105"}) << "secret" << true
            << QStringList{problems("02 53 43 00 00 01: session expired\n")} << 1 << 0;
        QTest::newRow("nothing to send")
            << 2 << QStringList() << "secret" << false << QStringList() << 0 << 2;
        // The stray answer to the challenge comes after the sequences were
        // renewed: told, but no error, since the target took its configuration.
        // The one to the configuration is a second answer.
        QTest::newRow("stray answers: success told with them, then one more summary")
            << 1 << fleet(1, {"--stray-config", "1"}) << "secret" << true
            << QStringList{Success + "\nReceive error: ERROR_IN_SEQUENCE\n", Success} << 1 << 1;
        QTest::newRow("silent for its configuration")
            << 2 << fleet(2, {"--mute-config", "2"}) << "secret" << true
            << QStringList{problems("02 53 43 00 00 02 does not respond\n")} << 2 << 2;
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
        QVERIFY(searchOnce());
        QCOMPARE(tree->topLevelItemCount(), listed);
        if (!applyFleet.isEmpty()) {
            sim = std::make_unique<SimulatorProcess>();
            SCOUTEL_START_SIM(*sim, applyFleet);
        }
        const qsizetype firstLine = sim->log().size();
        tree->selectAll();
        QStringList lastFirst;
        for (const QTreeWidgetItem *row : tree->selectedItems())
            lastFirst.prepend(row->text(0).replace('-', ' '));

        QTest::mouseClick(window->findChild<QToolButton *>("buttonEdit"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return summaries.size() >= expected.size(); }, PhaseWaitMs));
        QTest::qWait(QuietMs);
        QCOMPARE(summaries, expected);
        QCOMPARE(requestMacs(*sim, 1, firstLine), lastFirst);
        // Configurations go in the order the challenges came back: compare sorted.
        QStringList configured = requestMacs(*sim, 3, firstLine);
        configured.sort();
        QStringList targets = lastFirst.mid(0, configurations);
        targets.sort();
        QCOMPARE(configured, targets);
        QCOMPARE(tree->topLevelItemCount(), rowsAfter);
        if (expected != QStringList{Success})
            return;

        // The devices answer the next search with their new name, as applied.
        QVERIFY(searchOnce());
        QCOMPARE(tree->topLevelItemCount(), listed);
        for (int i = 0; i < listed; ++i)
            QCOMPARE(tree->topLevelItem(i)->text(11), NewName);
        const QList<QJsonObject> applied = sim->events("apply");
        QCOMPARE(applied.size(), listed);
        QVERIFY(applied.first()["tags"].toArray().contains(21));
    }
};

SCOUTEL_WINDOW_TEST_MAIN(TestApplyConfiguration)

#include "tst_applyconfiguration.moc"
