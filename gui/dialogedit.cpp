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

} // namespace

DialogEdit::DialogEdit(const QList<ScoutelContainer> &editTargets, Settings *store, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogEdit), settings(store), targets(editTargets)
{
    ui->setupUi(this);
    fields.emplace(ui);
    // The plan follows the fields it is made of.
    for (QLineEdit *edit : {ui->editIpAddress, ui->editSubnet, ui->editGateway})
        connect(edit, &QLineEdit::textChanged, this, &DialogEdit::showPlan);
    for (QAbstractButton *button : {static_cast<QAbstractButton *>(ui->checkNextAddress),
                                    static_cast<QAbstractButton *>(ui->radioStatic)})
        connect(button, &QAbstractButton::toggled, this, &DialogEdit::showPlan);
    connect(ui->groupNetwork, &QGroupBox::toggled, this, &DialogEdit::showPlan);
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
    showRecord(*targets.constFirst().constData());
    restoreFile();
    ui->checkNextAddress->setVisible(targets.size() > 1);
    showPlan();
}

void DialogEdit::showRecord(const ScoutelSharedData &record)
{
    const quint32 present = record.presentFields | record.sendFields;
    const bool hasHttpPort = present & FieldHttpPort;
    ui->labelHttpPort->setHidden(!hasHttpPort);
    ui->spinHttpPort->setHidden(!hasHttpPort);
    fields->show(ConfigurationForm::fromRecord(record, present), false);
}

void DialogEdit::clearAll()
{
    ui->editFile->clear();
    ui->editPassword->clear();
    fields->clear();
}

ConfigurationForm DialogEdit::shownValues() const
{
    ConfigurationForm shown = form();
    shown.password.clear();
    shown.restart = false;
    return shown;
}

QString DialogEdit::problemText(const ConfigurationRules::Problem &problem) const
{
    using ConfigurationRules::Fault;
    using ConfigurationRules::Field;
    const QString label = [&]() -> QString {
        switch (problem.field) {
        case Field::Password:
            return ui->labelPassword->text();
        case Field::Name:
            return ui->checkName->text();
        case Field::IpAddress:
            return ui->labelIpAddress->text();
        case Field::SubnetMask:
            return ui->labelSubnet->text();
        case Field::Gateway:
            return ui->labelGateway->text();
        case Field::MainPort:
            return ui->labelMainPort->text();
        case Field::AuxPort:
            return ui->labelAuxPort->text();
        case Field::HttpPort:
            return ui->labelHttpPort->text();
        case Field::SessionMinutes:
            return ui->checkDurate->text();
        case Field::NewPassword:
            return ui->checkNewPassword->text();
        case Field::PublicKey:
            return ui->checkPublicKey->text();
        }
        return QString();
    }();
    switch (problem.fault) {
    case Fault::NotLatin1:
    case Fault::TooLong:
        return ConfigurationRules::unstorableText(problem, label);
    case Fault::Empty:
        return tr("%1 cannot be empty.").arg(label);
    case Fault::SamePorts:
        return tr("Ports values cannot be the same.");
    case Fault::NotInRange:
    case Fault::NotValid:
        break;
    }
    return tr("%1 is not valid.").arg(label);
}

bool DialogEdit::validate(bool multiple)
{
    if (const auto problem = ConfigurationRules::check(form(), ConfigurationRules::Form)) {
        warn(QString(), problemText(*problem));
        return false;
    }
    if (!multiple)
        return true;
    if (ui->groupNetwork->isChecked() && ui->radioStatic->isChecked() && !nextAddressChosen())
        return ask(true, tr("Setting the same static IP address on multiple devices cause a "
                            "conflict.\nDo you want to continue?"));
    if (ui->checkName->isChecked())
        return ask(false, tr("Do you want to set the same name on multiple devices?"));
    return true;
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

void DialogEdit::acceptForms(const QList<ConfigurationForm> &forms, const QList<SafeEntry> &entries)
{
    accepted = forms;
    acceptedEntries = entries;
}

QList<ScoutelContainer> DialogEdit::configuredTargets() const
{
    QList<ScoutelContainer> configured = targets;
    for (qsizetype i = 0; i < accepted.size() && i < configured.size(); ++i)
        accepted.at(i).writeInto(*configured[i].data());
    return configured;
}

void DialogEdit::accept()
{
    QList<ConfigurationForm> forms;
    QList<SafeEntry> entries;
    if (!restoredEntries.isEmpty() && shownValues() == restoredUnder) {
        // Computed again: the password and Restart box may have changed since.
        const auto perDevice = perDeviceForms(restoredEntries);
        if (!perDevice)
            return;
        forms = *perDevice;
        entries = restoredEntries;
    } else {
        if (!validate(targets.size() > 1))
            return;
        forms = QList<ConfigurationForm>(targets.size(), form());
        // Computed again from the fields: the preview may be older.
        if (nextAddressChosen()) {
            const auto planned = plannedAddresses();
            if (!planned)
                return;
            for (qsizetype i = 0; i < forms.size(); ++i)
                forms[i].ipAddress = QHostAddress(planned->at(i)).toString();
        }
    }
    acceptForms(forms, entries);
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
    if (!validate(false) || (nextAddressChosen() && !plannedAddresses()))
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

bool DialogEdit::nextAddressChosen() const
{
    return targets.size() > 1 && ui->groupNetwork->isChecked() && ui->radioStatic->isChecked() &&
           ui->checkNextAddress->isChecked();
}

std::optional<AddressPlan> DialogEdit::addressPlan() const
{
    const auto first = FieldRules::dottedValue(ui->editIpAddress->text());
    const auto mask = FieldRules::dottedValue(ui->editSubnet->text());
    if (!first || !mask)
        return std::nullopt;
    QList<AddressPlan::Device> devices;
    for (const ScoutelContainer &target : std::as_const(targets))
        devices.append({target->mac, AddressPlan::addressesOf(*target.constData())});
    return AddressPlan(*first, *mask, FieldRules::dottedValue(ui->editGateway->text()).value_or(0),
                       devices, heldByOthers);
}

QString DialogEdit::planRefusal(const AddressPlan &plan) const
{
    return tr("Only %1 addresses are free from %2 to the end of its subnet: not enough for %3 "
              "devices.")
        .arg(plan.freeCount())
        .arg(ui->editIpAddress->text())
        .arg(targets.size());
}

void DialogEdit::showPlan()
{
    ui->listPlan->clear();
    ui->listPlan->setVisible(nextAddressChosen());
    const std::optional<AddressPlan> plan = nextAddressChosen() ? addressPlan() : std::nullopt;
    if (!plan)
        return;
    const QList<quint32> &addresses = plan->assigned();
    for (qsizetype i = 0; i < addresses.size(); ++i)
        ui->listPlan->addItem(
            QStringLiteral("%1 \u2192 %2")
                .arg(dashedHexText(targets.at(i)->mac), QHostAddress(addresses.at(i)).toString()));
    if (!plan->fits())
        ui->listPlan->addItem(planRefusal(*plan));
}

std::optional<QList<quint32>> DialogEdit::plannedAddresses()
{
    const std::optional<AddressPlan> plan = addressPlan();
    if (plan && plan->fits())
        return plan->assigned();
    if (plan)
        warn(QString(), planRefusal(*plan));
    return std::nullopt;
}

void DialogEdit::enableSaveButton()
{
    ui->buttonFileSave->setEnabled(true);
}

void DialogEdit::storeFileSettings()
{
    settings->rememberFilename = ui->checkRememberFile->isChecked();
    settings->filename = ui->editFile->text();
}
