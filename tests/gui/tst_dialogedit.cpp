#include "dialogedit.h"
#include "settings.h"
#include "testfiles.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
const QStringList Network = {"groupNetwork=1", "editIpAddress=192..168.1.10",
                             "editSubnet=255.255.255.0", "editGateway=192.168.1.1"};
const QString StaticQuestion = "Setting the same static IP address on multiple devices cause a "
                               "conflict.\nDo you want to continue?";
const QString NameQuestion = "Do you want to set the same name on multiple devices?";
constexpr quint32 Sent = FieldApply | FieldRestart;

ScoutelContainer device(char last, quint32 present)
{
    ScoutelContainer record;
    record->mac = QByteArray::fromHex("001A2B3C4D") + last;
    record->presentFields = present;
    record->name = QStringLiteral("Vault");
    record->httpPort = 8080;
    return record;
}

// The file dialog answers with a preset name.
class TestedDialog : public DialogEdit
{
public:
    using DialogEdit::DialogEdit;
    QString fileName;
    int asked = 0;

protected:
    QString askFileName(QFileDialog::AcceptMode) override
    {
        ++asked;
        return fileName;
    }
};
} // namespace

class TestDialogEdit : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    Settings settings;
    QList<ScoutelContainer> targets;
    std::unique_ptr<TestedDialog> dialog;
    QTimer boxWatch;
    QStringList boxes;  // "title|text" of every message box, in order
    QList<int> answers; // buttons to press; OK when none is left

    void open(int count, quint32 present = FieldHttpPort)
    {
        targets.clear();
        for (int i = 1; i <= count; ++i)
            targets.append(device(char(i), present));
        openFor();
    }
    void openFor()
    {
        dialog = std::make_unique<TestedDialog>(targets, &settings);
        dialog->prepare();
        dialog->show();
    }
    template <typename T> T *control(const QString &name) { return dialog->findChild<T *>(name); }
    // "objectName=value" for line edits, spin boxes, check boxes, radios and groups.
    void fill(const QStringList &form)
    {
        for (const QString &item : form) {
            const QString name = item.section('=', 0, 0), value = item.section('=', 1);
            QObject *widget = dialog->findChild<QObject *>(name);
            QVERIFY2(widget, qPrintable(name));
            if (auto *edit = qobject_cast<QLineEdit *>(widget))
                edit->setText(value);
            else if (auto *spin = qobject_cast<QSpinBox *>(widget))
                spin->setValue(value.toInt());
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                button->setChecked(value == "1");
            else
                qobject_cast<QGroupBox *>(widget)->setChecked(value == "1");
        }
    }
    QString writeFile(const QByteArray &safes)
    {
        const QString name = dir.filePath("devices.xml");
        writeFileContent(
            name, "<?xml version=\"1.0\"?>\n<!--SCXMPL;1;7-->\n<regions><branches><safes>\n" +
                      safes + "\n</safes></branches></regions>\n");
        return name;
    }
    void file(const char *button, const QString &name)
    {
        dialog->fileName = name;
        control<QAbstractButton>(button)->click();
    }
    bool stillOpen() const { return dialog->isVisible() && dialog->result() == QDialog::Rejected; }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        boxWatch.setInterval(20);
        connect(&boxWatch, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxes.append(box->windowTitle() + '|' + box->text());
            QAbstractButton *button =
                answers.isEmpty() ? nullptr
                                  : box->button(QMessageBox::StandardButton(answers.takeFirst()));
            (button ? button : box->buttons().constFirst())->click();
        });
        boxWatch.start();
    }
    void init()
    {
        boxes.clear();
        answers.clear();
        settings.rememberFilename = false;
    }

    // OK: the message of a refused form, the question asked and its answer, or the
    // fields each target gets.
    void okButton_data()
    {
        QTest::addColumn<QStringList>("form");
        QTest::addColumn<QString>("message");
        QTest::addColumn<quint32>("fields");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("answer");
        const auto row = [](const char *name, const QStringList &form, const QString &message,
                            quint32 fields, int count = 1, int answer = 0) {
            QTest::newRow(name) << form << message << fields << count << answer;
        };
        const quint32 network = FieldIpAddress | FieldSubnetMask | FieldGateway | FieldDhcp;
        const QStringList key{"checkPublicKey=1", "editPublicKey= 00112233445566778899aabb "},
            named{"checkName=1", "editName=Vault"};
        const QString none, stated = '|' + StaticQuestion, sameName = '|' + NameQuestion;
        row("empty password, nothing ticked", {}, none, Sent);
        row("no restart", {"checkRestart=0"}, none, FieldApply);
        row("dhcp", Network + QStringList{"radioDhcp=1"}, none, Sent | network);
        row("ports", {"groupPorts=1"}, none, Sent | FieldMainPort | FieldAuxPort | FieldHttpPort);
        row("session", {"checkDurate=1"}, none, Sent | FieldSessionMinutes);
        row("new password", {"checkNewPassword=1", "editNewPassword=n"}, none,
            Sent | FieldNewPassword);
        row("key, lower case, padded", key, none, Sent | FieldPublicKey);
        row("broadcast", Network + QStringList{"editIpAddress=192.168.1.255"},
            "|IP Address is not valid.", 0);
        row("dhcp, empty fields", {"groupNetwork=1", "radioDhcp=1"}, "|Subnet Mask is not valid.",
            0);
        row("gateway", Network + QStringList{"editGateway=10.0.0.0"}, "|Gateway is not valid.", 0);
        row("both ports 0", {"groupPorts=1", "spinMainPort=0", "spinAuxPort=0"},
            "|Ports values cannot be the same.", 0);
        row("key of 23 digits", {"checkPublicKey=1", "editPublicKey=00112233445566778899aab"},
            "|Public Key is not valid.", 0);
        row("empty new password", {"checkNewPassword=1"}, "|New Password cannot be empty.", 0);
        // What a device cannot store never goes out as "?".
        const QString tokyo = QString::fromUtf8("T\u014Dky\u014D \u6771\u4EAC"),
                      unstorable = " holds characters a device cannot store: use Latin-1 "
                                   "characters only";
        row("name outside Latin-1", {"checkName=1", "editName=" + tokyo}, "|Name" + unstorable, 0);
        row("new password outside Latin-1", {"checkNewPassword=1", "editNewPassword=" + tokyo},
            "|New Password" + unstorable, 0);
        row("current password with the euro sign", {QString::fromUtf8("editPassword=\u20AC")},
            "|Password" + unstorable, 0);
        const int no = QMessageBox::No, yes = QMessageBox::Yes;
        row("one target: nothing asked", Network + named, none, Sent | network | FieldName);
        row("static, No", Network + named, stated, 0, 3, no);
        row("static, Yes", Network, stated, Sent | network, 2, yes);
        row("dhcp and name, No", Network + named + QStringList{"radioDhcp=1"}, sameName, 0, 2, no);
        row("name, Yes", named, sameName, Sent | FieldName, 2, yes);
        row("nothing to ask", {}, none, Sent, 2);
    }
    void okButton()
    {
        QFETCH(QStringList, form);
        QFETCH(QString, message);
        QFETCH(quint32, fields);
        QFETCH(int, count);
        QFETCH(int, answer);
        open(count);
        const QString password = form.isEmpty() ? QString() : QString::number(form.size());
        fill(QStringList{"editPassword=" + password} + form);
        answers = {answer};
        control<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(boxes, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(stillOpen(), !fields);
        for (const ScoutelContainer &target : dialog->configuredTargets()) {
            const ScoutelSharedData &d = *target.constData();
            QCOMPARE(d.sendFields, fields);
            if (!fields)
                continue;
            QCOMPARE(d.password, password);
            QCOMPARE(d.ipAddress.isNull(), !(fields & FieldIpAddress));
            QCOMPARE(d.dhcp, form.contains("radioDhcp=1") ? 1 : 0);
            QCOMPARE(d.publicKey, fields & FieldPublicKey
                                      ? QByteArray::fromHex("00112233445566778899aabb")
                                      : QByteArray());
        }
    }

    void shownAfterPrepare_data()
    {
        QTest::addColumn<quint32>("present");
        QTest::newRow("full record") << quint32(FieldName | FieldMainPort | FieldAuxPort |
                                                FieldHttpPort | FieldSessionMinutes | FieldDhcp);
        QTest::newRow("bare record") << quint32(0);
    }
    void shownAfterPrepare()
    {
        QFETCH(quint32, present);
        const bool full = present != 0;
        targets = {device(9, present)};
        targets[0]->mainPort = 80;
        targets[0]->auxPort = 81;
        targets[0]->sessionMinutes = 30;
        targets[0]->dhcp = 1;
        targets.append(device(10, FieldHttpPort));
        openFor();
        QCOMPARE(control<QLabel>("labelHeader")->text(),
                 "Configuration of these MAC addresses:\n00-1A-2B-3C-4D-09, 00-1A-2B-3C-4D-0A");
        QCOMPARE(control<QLineEdit>("editName")->text(), full ? "Vault" : "");
        QCOMPARE(control<QSpinBox>("spinMainPort")->value(), full ? 80 : 1000);
        QCOMPARE(control<QSpinBox>("spinAuxPort")->value(), full ? 81 : 1001);
        QCOMPARE(control<QSpinBox>("spinDurate")->value(), full ? 30 : 10);
        QCOMPARE(control<QAbstractButton>("radioDhcp")->isChecked(), full);
        QCOMPARE(control<QSpinBox>("spinHttpPort")->isVisible(), full);
        QCOMPARE(control<QLabel>("labelHttpPort")->isVisible(), full);
        QCOMPARE(control<QSpinBox>("spinHttpPort")->value(), full ? 8080 : 0);
        // The HTTP port is sent only while its box is shown.
        fill({"groupPorts=1"});
        dialog->accept();
        QCOMPARE(bool(dialog->configuredTargets().constLast()->sendFields & FieldHttpPort), full);
    }

    // What a screen reader announces for each control that Tab reaches.
    void accessibleNames()
    {
        open(1);
        QMap<QString, QString> names;
        for (QWidget *each : dialog->findChildren<QWidget *>()) {
            // A spin box's own line edit hands its focus to the box.
            if (!(each->focusPolicy() & Qt::TabFocus) || each->focusProxy())
                continue;
            QString &name = names[each->objectName()];
            name = QAccessible::queryAccessibleInterface(each)->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), qPrintable(each->objectName()));
        }
        for (const QString row :
             {"editPassword=Password", "editFile=File", "spinHttpPort=HTTP Port", "editName=Name",
              "spinDurate=Session minutes", "editNewPassword=New Password",
              "editPublicKey=Public Key"})
            QCOMPARE(names.value(row.section('=', 0, 0)), row.section('=', 1));
    }

    void saveChecksThenPauses()
    {
        open(2);
        const QString name = dir.filePath("saved.lmx");
        dialog->fileName = name;
        auto *save = control<QAbstractButton>("buttonFileSave");
        fill({"groupPorts=1", "spinMainPort=7", "spinAuxPort=7"});
        save->click();
        QCOMPARE(boxes, QStringList{"|Ports values cannot be the same."});
        QCOMPARE(dialog->asked, 0);

        fill(Network + QStringList{"spinAuxPort=8", "checkName=1", "editName=Kept"});
        QElapsedTimer pause;
        pause.start();
        save->click();
        QCOMPARE(boxes.size(), 2); // no question, even for two devices
        QCOMPARE(boxes.last(), "XML export|Password cannot be empty.");
        QVERIFY(!save->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(save->isEnabled(), 10000);
        QVERIFY(pause.elapsed() >= 1100);
        QVERIFY(!QFile::exists(name));

        fill({"editPassword=secret"});
        save->click();
        QCOMPARE(boxes.size(), 2);
        QVERIFY(QFile::exists(name));
        // A new file, encrypted too: the owner's only; an existing one keeps its mode.
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther;
        QCOMPARE(QFile::permissions(name) & others, 0);
        QFile::setPermissions(name, QFile::permissions(name) | QFile::ReadOther);
        QCOMPARE(dialog->exportFile(name), 0);
        QVERIFY(QFile::permissions(name) & QFile::ReadOther);

        // The remembered file fills the next dialog, and OK sends it to every target.
        settings.rememberFilename = true;
        settings.filename = name;
        open(2);
        QCOMPARE(control<QLineEdit>("editFile")->text(), name);
        QVERIFY(control<QCheckBox>("checkRememberFile")->isChecked());
        // Loading a file for any device fills the form and leaves the dialog open.
        fill({"radioDhcp=1"});
        file("buttonFileOpen", name);
        QVERIFY(stillOpen());
        answers = {QMessageBox::Yes};
        dialog->accept();
        QVERIFY(!dialog->isVisible());
        for (const ScoutelContainer &target : dialog->configuredTargets()) {
            QCOMPARE(target->name, "Kept");
            QCOMPARE(target->auxPort, 8);
            QCOMPARE(target->password, "secret");
            QCOMPARE(target->dhcp, 0);
        }
    }

    // The next free address for each: refused when the subnet runs out, kept as a
    // per-device file that Load sends back as planned; one target never sees it.
    // Each target gets its own entry alone: nothing of the form is mixed in.
    void nextAddressPlan()
    {
        open(1);
        QVERIFY(!control<QCheckBox>("checkNextAddress")->isVisible());
        open(3);
        const QStringList plan = Network + QStringList{"checkNextAddress=1", "editPassword=pw"};
        fill(plan + QStringList{"editIpAddress=192.168.1.253"});
        dialog->accept();
        QCOMPARE(boxes, QStringList{"|Only 2 addresses are free from 192.168.1.253 to the end of "
                                    "its subnet: not enough for 3 devices."});
        QVERIFY(stillOpen());
        fill(plan + QStringList{"checkRestart=0"});
        const QString name = dir.filePath("plan.xml");
        file("buttonFileSave", name);
        open(3);
        fill({"editPassword=typed", "checkDurate=1", "checkName=1", "radioDhcp=1"});
        file("buttonFileOpen", name);
        QCOMPARE(boxes.size(), 1); // no question either
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->fileEntries().size(), 3);
        QCOMPARE(settings.filename, name);
        const quint32 network = FieldIpAddress | FieldSubnetMask | FieldGateway | FieldDhcp;
        for (int i = 0; i < 3; ++i) {
            const ScoutelContainer target = dialog->configuredTargets().at(i);
            QCOMPARE(target->ipAddress.toString(), QString("192.168.1.%1").arg(10 + i));
            QCOMPARE(target->sendFields, FieldApply | network);
            QCOMPARE(target->password, "pw");
            QCOMPARE(target->dhcp, 0);
        }
    }

    void loadRefused_data()
    {
        QTest::addColumn<QByteArray>("safes");
        QTest::addColumn<QString>("message");
        const QByteArray one = "<safe mac_address='001A2B3C4D01' name='One'/>";
        QTest::newRow("missing device, one unknown")
            << one + "<safe mac_address='001A2B3C4D77' name='x'/>"
            << "|Some MAC addresses are missing:\n"
               " 00-1A-2B-3C-4D-02 00-1A-2B-3C-4D-03";
        QTest::newRow("port out of range")
            << one + "\n<safe mac_address='001A2B3C4D02' aux_port='70000'/>"
            << "XML import|Error on line 5: aux_port is not a whole number from 0 to 65535.";
        QTest::newRow("bad address")
            << QByteArray("<safe mac_address='001A2B3C4D01' ip_address='127.0.0.1' "
                          "subnet_mask='255.0.0.0' gateway='10.0.0.1'/>")
            << "|IP Address is not valid.";
    }
    void loadRefused()
    {
        QFETCH(QByteArray, safes);
        QFETCH(QString, message);
        open(3);
        file("buttonFileOpen", writeFile(safes));
        QCOMPARE(boxes, QStringList{message});
        QVERIFY(stillOpen());
        QCOMPARE(dialog->configuredTargets().at(2)->sendFields, 0u);
    }
};

QTEST_MAIN(TestDialogEdit)

#include "tst_dialogedit.moc"
