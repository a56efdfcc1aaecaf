// The edit dialog's configuration files: saving the form, loading a file into the
// form or, entry by entry, into the targets.
#include "dialogedit.h"

#include "configreader.h"
#include "configwriter.h"
#include "safeattributes.h"
#include "safeentry.h"
#include "settings.h"
#include "targetmatching.h"
#include "ui_dialogedit.h"

#include <algorithm>

QXmlStreamAttributes DialogEdit::formAttributes(const QString &mac, const QString &ipAddress) const
{
    using namespace SafeAttribute;
    QXmlStreamAttributes attributes;
    attributes.append(MacAddress, mac);
    attributes.append(Password, ui->editPassword->text());
    if (ui->checkName->isChecked())
        attributes.append(Name, ui->editName->text());
    if (ui->groupNetwork->isChecked()) {
        attributes.append(Dhcp, SafeAttribute::boolText(ui->radioDhcp->isChecked()));
        attributes.append(IpAddress, ipAddress);
        attributes.append(SubnetMask, ui->editSubnet->text());
        attributes.append(Gateway, ui->editGateway->text());
    }
    if (ui->groupPorts->isChecked()) {
        attributes.append(TcpPort, QString::number(ui->spinMainPort->value()));
        attributes.append(AuxPort, QString::number(ui->spinAuxPort->value()));
    }
    if (ui->checkDurate->isChecked())
        attributes.append(SessionMinutes, QString::number(ui->spinDurate->value()));
    if (ui->checkNewPassword->isChecked())
        attributes.append(NewPassword, ui->editNewPassword->text());
    if (ui->checkPublicKey->isChecked())
        attributes.append(PublicKey, ui->editPublicKey->text());
    attributes.append(Restart, SafeAttribute::boolText(ui->checkRestart->isChecked()));
    return attributes;
}

int DialogEdit::exportFile(const QString &fileName)
{
    const QString title = QStringLiteral("XML export");
    if (ui->editPassword->text().isEmpty()) {
        warn(title, tr("Password cannot be empty."));
        return -1;
    }
    // With the next free address for each, a per-device file keeps the plan.
    QList<QXmlStreamAttributes> safes;
    if (!nextAddressChosen()) {
        safes.append(formAttributes(QString(), ui->editIpAddress->text()));
    } else if (const auto planned = plannedAddresses()) {
        for (qsizetype i = 0; i < targets.size(); ++i)
            safes.append(formAttributes(QString::fromLatin1(targets.at(i)->mac.toHex()),
                                        QHostAddress(planned->at(i)).toString()));
    } else {
        return -1;
    }
    switch (writeConfigFile(fileName, safes)) {
    case ConfigWriteResult::Written:
        return 0;
    case ConfigWriteResult::UnwritableText:
        warn(title, tr("The configuration holds characters that cannot be stored in a file."));
        return -1;
    case ConfigWriteResult::FileError:
        break;
    }
    warn(title, tr("Cannot write to the file: %1").arg(fileName));
    return -1;
}

void DialogEdit::readSafe(const SafeEntry &entry)
{
    using namespace SafeAttribute;
    // Ticks what the entry names; never unticks or clears.
    const auto has = [&entry](std::initializer_list<QString> names) {
        return std::any_of(names.begin(), names.end(),
                           [&entry](const QString &name) { return entry.has(name); });
    };
    const auto text = [&entry](const QString &name, QLineEdit *edit) {
        if (entry.has(name))
            edit->setText(entry.value(name));
    };
    const auto number = [&entry](const QString &name, QSpinBox *spin) {
        if (entry.has(name))
            spin->setValue(entry.value(name).toInt());
    };
    text(Password, ui->editPassword);
    text(Name, ui->editName);
    ui->checkName->setChecked(ui->checkName->isChecked() || entry.has(Name));
    if (entry.has(Dhcp))
        setDhcp(entry.value(Dhcp) == True);
    text(IpAddress, ui->editIpAddress);
    text(SubnetMask, ui->editSubnet);
    text(Gateway, ui->editGateway);
    ui->groupNetwork->setChecked(ui->groupNetwork->isChecked() ||
                                 has({Dhcp, IpAddress, SubnetMask, Gateway}));
    number(TcpPort, ui->spinMainPort);
    number(AuxPort, ui->spinAuxPort);
    ui->groupPorts->setChecked(ui->groupPorts->isChecked() || has({TcpPort, AuxPort}));
    number(SessionMinutes, ui->spinDurate);
    ui->checkDurate->setChecked(ui->checkDurate->isChecked() || entry.has(SessionMinutes));
    text(NewPassword, ui->editNewPassword);
    ui->checkNewPassword->setChecked(ui->checkNewPassword->isChecked() || entry.has(NewPassword));
    text(PublicKey, ui->editPublicKey);
    ui->checkPublicKey->setChecked(ui->checkPublicKey->isChecked() || entry.has(PublicKey));
    if (entry.has(Restart))
        ui->checkRestart->setChecked(entry.value(Restart) == True);
}

std::optional<QList<ConfigurationForm>> DialogEdit::perDeviceForms(const QList<SafeEntry> &entries,
                                                                   const ConfigReadError *readError)
{
    // Each device gets what its own entry names: nothing carries over from the entry
    // before, and an entry without password or restart takes the form's.
    ConfigurationForm base;
    base.password = ui->editPassword->text();
    base.restart = ui->checkRestart->isChecked();
    QList<std::optional<ConfigurationForm>> found(targets.size());
    for (const SafeEntry &entry : entries) {
        const ConfigurationForm entryForm =
            ConfigurationForm::fromAttributes(entry.attributes, base);
        if (const auto problem = ConfigurationRules::check(entryForm, ConfigurationRules::Form)) {
            warn(QString(), problemText(*problem));
            return std::nullopt;
        }
        const qsizetype index = findTargetByMac(targets, entry.mac);
        if (index >= 0)
            found[index] = entryForm;
    }
    if (readError && !readError->text.isEmpty()) {
        warn(readError->title, readError->text);
        return std::nullopt;
    }
    QList<QByteArray> missing;
    QList<ConfigurationForm> forms;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        if (found.at(i))
            forms.append(*found.at(i));
        else
            missing.append(targets.at(i)->mac);
    }
    if (!missing.isEmpty()) {
        warn(QString(), missingMacsMessage(missing));
        return std::nullopt;
    }
    return forms;
}

int DialogEdit::readFile(const QString &fileName, QList<SafeEntry> &entries,
                         QList<ConfigurationForm> &forms)
{
    const ConfigReadResult read = readConfigFile(fileName);
    if (read.safes.isEmpty() && read.failed()) {
        warn(read.error.title, read.error.text);
        return -1;
    }
    if (read.isForAnyDevice()) {
        readSafe(read.safes.constFirst());
        return 0;
    }
    const auto perDevice = perDeviceForms(read.safes, &read.error);
    if (!perDevice)
        return -1;
    entries = read.safes;
    forms = *perDevice;
    return 1;
}

int DialogEdit::importFile(const QString &fileName)
{
    QList<SafeEntry> entries;
    QList<ConfigurationForm> forms;
    const int result = readFile(fileName, entries, forms);
    if (result == 1)
        applyToAll(forms);
    return result;
}

void DialogEdit::restoreFile()
{
    ui->checkRememberFile->setChecked(settings->rememberFilename);
    if (!settings->rememberFilename)
        return;
    ui->editFile->setText(settings->filename);
    QList<SafeEntry> entries;
    QList<ConfigurationForm> forms;
    if (readFile(settings->filename, entries, forms) != 1)
        return;
    // OK sends each target its own entry, as Load does, unless the form changes.
    restoredEntries = entries;
    restoredUnder = shownValues();
    ui->labelHeader->setText(
        ui->labelHeader->text() + QLatin1Char('\n') +
        tr("Each device gets its own entry from the remembered file, unless you change the form."));
}
