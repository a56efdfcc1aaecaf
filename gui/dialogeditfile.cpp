// The edit dialog's configuration files: saving the form, loading a file into the
// form or, entry by entry, into the targets.
#include "dialogedit.h"

#include "configreader.h"
#include "safeattributes.h"
#include "safeentry.h"
#include "settings.h"
#include "targetmatching.h"
#include "ui_dialogedit.h"
#include "xmlformat.h"

int DialogEdit::exportFile(const QString &fileName)
{
    // With the next free address for each, a per-device file keeps the plan.
    const bool perDevice = nextAddressChosen();
    ConfigurationForm saved = form();
    saved.httpPort.reset(); // files do not keep the HTTP port
    QList<ConfigurationForm> forms{saved};
    if (perDevice) {
        const auto planned = plannedAddresses();
        if (!planned)
            return -1;
        forms = QList<ConfigurationForm>(targets.size(), saved);
        for (qsizetype i = 0; i < forms.size(); ++i)
            forms[i].ipAddress = QHostAddress(planned->at(i)).toString();
    }
    QList<ScoutelContainer> records;
    for (qsizetype i = 0; i < forms.size(); ++i) {
        ScoutelContainer record;
        if (perDevice)
            record->mac = targets.at(i)->mac;
        forms.at(i).writeInto(*record.data());
        records.append(record);
    }
    XmlFormat format;
    if (format.save(fileName, records, perDevice) == 0)
        return 0;
    warn(QStringLiteral("XML export"), format.lastError());
    return -1;
}

void DialogEdit::readSafe(const SafeEntry &entry)
{
    using namespace SafeAttribute;
    // Ticks what the entry names; never unticks or clears.
    if (entry.has(Password))
        ui->editPassword->setText(entry.value(Password));
    fields->show(ConfigurationForm::given(entry.attributes), true);
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
        acceptForms(forms, entries);
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
