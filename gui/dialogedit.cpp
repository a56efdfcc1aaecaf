#include "dialogedit.h"

#include "fieldrules.h"
#include "hextext.h"
#include "settings.h"
#include "ui_dialogedit.h"

#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace {
// Keeps two saves apart; the file stamp counts in seconds.
constexpr int SaveButtonPause = 1100;
constexpr int FormMainPort = 1000;
constexpr int FormAuxPort = 1001;
constexpr int FormSessionMinutes = 10;

} // namespace

DialogEdit::DialogEdit(QList<ScoutelContainer> &editTargets, Settings *store, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogEdit), settings(store), targets(editTargets)
{
    ui->setupUi(this);
}

DialogEdit::~DialogEdit()
{
    delete ui;
}

void DialogEdit::prepare()
{
    if (targets.isEmpty())
        return;
    QStringList macs;
    for (const ScoutelContainer &target : std::as_const(targets))
        macs.append(dashedHexText(target->mac));
    ui->labelHeader->setText(
        tr("Configuration of these MAC addresses:\n%1").arg(macs.join(QLatin1String(", "))));
    clearAll();
    fillFromRecord(targets.constFirst());
    restoreFile();
}

void DialogEdit::fillFromRecord(const ScoutelContainer &record)
{
    const ScoutelSharedData &d = *record.constData();
    const quint32 fields = d.presentFields | d.sendFields;
    if (fields & FieldName)
        ui->editName->setText(d.name);
    if (fields & FieldIpAddress)
        ui->editIpAddress->setText(d.ipAddress.toString());
    if (fields & FieldSubnetMask)
        ui->editSubnet->setText(d.subnetMask.toString());
    if (fields & FieldGateway)
        ui->editGateway->setText(d.gateway.toString());
    if (fields & FieldDhcp)
        setDhcp(d.dhcp != 0);
    if (fields & FieldMainPort)
        ui->spinMainPort->setValue(d.mainPort);
    if (fields & FieldAuxPort)
        ui->spinAuxPort->setValue(d.auxPort);
    const bool hasHttpPort = fields & FieldHttpPort;
    ui->labelHttpPort->setHidden(!hasHttpPort);
    ui->spinHttpPort->setHidden(!hasHttpPort);
    if (hasHttpPort)
        ui->spinHttpPort->setValue(d.httpPort);
    if (fields & FieldSessionMinutes)
        ui->spinDurate->setValue(d.sessionMinutes);
}

void DialogEdit::setDhcp(bool dhcp)
{
    // The exclusive group ignores unchecking its checked button: check the other one.
    (dhcp ? ui->radioDhcp : ui->radioStatic)->setChecked(true);
}

void DialogEdit::clearFields()
{
    ui->editName->clear();
    setDhcp(false);
    ui->editIpAddress->clear();
    ui->editSubnet->clear();
    ui->editGateway->clear();
    ui->spinMainPort->setValue(FormMainPort);
    ui->spinAuxPort->setValue(FormAuxPort);
    ui->spinDurate->setValue(FormSessionMinutes);
    ui->editNewPassword->clear();
    ui->editPublicKey->clear();
}

void DialogEdit::clearAll()
{
    ui->editFile->clear();
    ui->editPassword->clear();
    clearFields();
}

void DialogEdit::untickFields()
{
    for (QCheckBox *box :
         {ui->checkName, ui->checkDurate, ui->checkNewPassword, ui->checkPublicKey})
        box->setChecked(false);
    ui->groupNetwork->setChecked(false);
    ui->groupPorts->setChecked(false);
}

bool DialogEdit::validate(bool multiple)
{
    if (ui->groupNetwork->isChecked()) {
        const QString mask = ui->editSubnet->text();
        if (!checkField(ui->labelSubnet->text(), isValidAddress(mask, mask, true)) ||
            !checkField(ui->labelIpAddress->text(),
                        isValidAddress(ui->editIpAddress->text(), mask, false)) ||
            !checkField(ui->labelGateway->text(),
                        isValidAddress(ui->editGateway->text(), mask, false)))
            return false;
    }
    if (ui->groupPorts->isChecked() && ui->spinAuxPort->value() == ui->spinMainPort->value()) {
        warn(QString(), tr("Ports values cannot be the same."));
        return false;
    }
    if (ui->checkPublicKey->isChecked() &&
        !checkField(ui->checkPublicKey->text(), isValidPublicKey(ui->editPublicKey->text())))
        return false;
    if (ui->checkNewPassword->isChecked() && ui->editNewPassword->text().isEmpty()) {
        warn(QString(), tr("%1 cannot be empty.").arg(ui->checkNewPassword->text()));
        return false;
    }
    if (!multiple)
        return true;
    if (ui->groupNetwork->isChecked() && ui->radioStatic->isChecked())
        return ask(true, tr("Setting the same static IP address on multiple devices cause a "
                            "conflict.\nDo you want to continue?"));
    if (ui->checkName->isChecked())
        return ask(false, tr("Do you want to set the same name on multiple devices?"));
    return true;
}

bool DialogEdit::checkField(const QString &label, bool ok)
{
    if (!ok)
        warn(QString(), tr("%1 is not valid.").arg(label));
    return ok;
}

bool DialogEdit::isValidAddress(const QString &text, const QString &maskText, bool isMask) const
{
    const std::optional<quint32> value = FieldRules::dottedValue(text);
    if (!value || (*value >> 24) == 0)
        return false;
    if (isMask)
        return FieldRules::hasMaskShape(*value);
    // validate checks the mask first, so it is a real mask here.
    return FieldRules::isHostAddress(*value, FieldRules::dottedValue(maskText).value_or(0));
}

bool DialogEdit::isValidPublicKey(const QString &text) const
{
    return FieldRules::isPublicKeyText(QStringView(text).trimmed());
}

bool DialogEdit::ask(bool warning, const QString &question)
{
    const auto buttons = QMessageBox::Yes | QMessageBox::No;
    const QMessageBox::StandardButton answer =
        warning ? QMessageBox::warning(this, QString(), question, buttons, QMessageBox::No)
                : QMessageBox::information(this, QString(), question, buttons, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void DialogEdit::warn(const QString &title, const QString &text)
{
    QMessageBox::warning(this, title, text);
}

void DialogEdit::applyToRecord(ScoutelContainer *record)
{
    ScoutelSharedData &d = *record->data();
    d.sendFields = 0;
    if (ui->checkName->isChecked()) {
        d.sendFields |= FieldName;
        d.name = ui->editName->text();
    }
    if (ui->groupNetwork->isChecked()) {
        d.sendFields |= FieldIpAddress | FieldSubnetMask | FieldGateway | FieldDhcp;
        d.ipAddress = FieldRules::checkedAddress(ui->editIpAddress->text());
        d.subnetMask = FieldRules::checkedAddress(ui->editSubnet->text());
        d.gateway = FieldRules::checkedAddress(ui->editGateway->text());
        d.dhcp = ui->radioDhcp->isChecked() ? 1 : 0;
    }
    if (ui->groupPorts->isChecked()) {
        d.sendFields |= FieldMainPort | FieldAuxPort;
        d.mainPort = ui->spinMainPort->value();
        d.auxPort = ui->spinAuxPort->value();
        if (ui->spinHttpPort->isVisibleTo(this)) {
            d.sendFields |= FieldHttpPort;
            d.httpPort = ui->spinHttpPort->value();
        }
    }
    if (ui->checkDurate->isChecked()) {
        d.sendFields |= FieldSessionMinutes;
        d.sessionMinutes = ui->spinDurate->value();
    }
    if (ui->checkNewPassword->isChecked()) {
        d.sendFields |= FieldNewPassword;
        d.newPassword = ui->editNewPassword->text();
    }
    if (ui->checkPublicKey->isChecked()) {
        d.sendFields |= FieldPublicKey;
        d.publicKey = QByteArray::fromHex(ui->editPublicKey->text().toLatin1());
    }
    if (ui->checkRestart->isChecked())
        d.sendFields |= FieldRestart;
    d.sendFields |= FieldApply;
    d.password = ui->editPassword->text();
}

void DialogEdit::applyToAll()
{
    for (ScoutelContainer &target : targets)
        applyToRecord(&target);
}

void DialogEdit::accept()
{
    if (!validate(targets.size() > 1))
        return;
    applyToAll();
    storeFileSettings();
    QDialog::accept();
}

QString DialogEdit::askFileName(QFileDialog::AcceptMode mode)
{
    const QString filter = tr("Encrypted XML files (*.lmx);;XML files (*.xml)");
    if (mode == QFileDialog::AcceptSave)
        return QFileDialog::getSaveFileName(this, tr("Save configuration file"),
                                            ui->editFile->text(), filter);
    return QFileDialog::getOpenFileName(this, tr("Load configuration file"), ui->editFile->text(),
                                        filter);
}

void DialogEdit::on_buttonFileSave_clicked()
{
    if (!validate(false))
        return;
    const QString fileName = askFileName(QFileDialog::AcceptSave);
    if (fileName.isEmpty())
        return;
    exportFile(fileName);
    ui->buttonFileSave->setEnabled(false);
    QTimer::singleShot(SaveButtonPause, this, &DialogEdit::enableSaveButton);
}

void DialogEdit::on_buttonFileOpen_clicked()
{
    const QString fileName = askFileName(QFileDialog::AcceptOpen);
    if (fileName.isEmpty())
        return;
    ui->editFile->setText(fileName);
    if (importFile(fileName) != 1)
        return;
    // The targets hold their own configurations: OK would overwrite them with the form.
    storeFileSettings();
    QDialog::accept();
}

void DialogEdit::enableSaveButton()
{
    ui->buttonFileSave->setEnabled(true);
}

void DialogEdit::restoreFile()
{
    ui->checkRememberFile->setChecked(settings->rememberFilename);
    if (!settings->rememberFilename)
        return;
    ui->editFile->setText(settings->filename);
    importFile(settings->filename);
}

void DialogEdit::storeFileSettings()
{
    settings->rememberFilename = ui->checkRememberFile->isChecked();
    settings->filename = ui->editFile->text();
}
