#pragma once

#include "addressplan.h"
#include "configurationform.h"
#include "configurationformwidget.h"
#include "configurationrules.h"
#include "safeentry.h"
#include "scoutelcontainer.h"

#include <QDialog>
#include <QFileDialog>
#include <QList>
#include <QSet>

#include <optional>

class Settings;
struct ConfigReadError;

namespace Ui {
class DialogEdit;
}

// Composes one configuration for the target records, checks it, and gives each
// target its own; saves the form as a configuration file and loads such files,
// per device too.
class DialogEdit : public QDialog
{
    Q_OBJECT

public:
    // settings must outlive the dialog.
    DialogEdit(const QList<ScoutelContainer> &targets, Settings *settings,
               QWidget *parent = nullptr);
    ~DialogEdit() override;

    // Addresses that devices other than the targets hold: the next free address
    // for each target skips them. Call before prepare().
    void setHeldAddresses(const QSet<quint32> &addresses) { heldByOthers = addresses; }
    // Fills the form for the targets; call once before exec().
    void prepare();
    // After Accepted: the targets, each carrying its own configuration; as
    // given while none is accepted.
    QList<ScoutelContainer> configuredTargets() const;
    // The per-device file's entries the configurations came from; empty when
    // the form gave them.
    const QList<SafeEntry> &fileEntries() const { return acceptedEntries; }

    // The form's checks with their messages; with multiple, the questions for several devices.
    bool validate(bool multiple);

    // 0 written, -1 failed (reported).
    int exportFile(const QString &fileName);
    // 1 every target configured from the file, 0 a configuration for any device is in the
    // form, -1 failed (reported).
    int importFile(const QString &fileName);

public Q_SLOTS:
    void accept() override;
    void on_buttonFileOpen_clicked();
    void on_buttonFileSave_clicked();
    void enableSaveButton();

protected:
    // The file dialog; an empty name means cancelled.
    virtual QString askFileName(QFileDialog::AcceptMode mode);

private:
    ConfigurationForm form() const { return fields->read(this); }
    // The values the record holds, the HTTP port's controls shown only with one.
    void showRecord(const ScoutelSharedData &record);
    void clearAll();
    void restoreFile();
    void storeFileSettings();
    // The entry's attributes onto the form, ticking what it names.
    void readSafe(const SafeEntry &entry);
    // Several targets, static addresses, and the next free address for each.
    bool nextAddressChosen() const;
    // The plan the address fields give; none while they are no address and mask.
    std::optional<AddressPlan> addressPlan() const;
    QString planRefusal(const AddressPlan &plan) const;
    void showPlan();
    // The targets' addresses as planned now; none when they do not fit (reported).
    std::optional<QList<quint32>> plannedAddresses();
    QString problemText(const ConfigurationRules::Problem &problem) const;
    // One checked configuration per target, each from its own entry completed by
    // the form's password and Restart box; none when an entry is refused or a
    // target has none (reported).
    std::optional<QList<ConfigurationForm>>
    perDeviceForms(const QList<SafeEntry> &entries, const ConfigReadError *readError = nullptr);
    // importFile without writing the targets: with 1, the file's per-device
    // entries and the configurations they give the targets.
    int readFile(const QString &fileName, QList<SafeEntry> &entries,
                 QList<ConfigurationForm> &forms);
    bool ask(bool warning, const QString &question);
    void warn(const QString &title, const QString &text);
    void acceptForms(const QList<ConfigurationForm> &forms, const QList<SafeEntry> &entries);
    // What the form shows, password and restart aside: a per-device file
    // restored at the start holds only while this stays as it was.
    ConfigurationForm shownValues() const;

    Ui::DialogEdit *ui;
    std::optional<ConfigurationFormWidget> fields;
    Settings *settings;
    const QList<ScoutelContainer> targets;
    QList<ConfigurationForm> accepted;
    QList<SafeEntry> acceptedEntries;
    QSet<quint32> heldByOthers;
    // The remembered per-device file's entries, and the form they were restored under.
    QList<SafeEntry> restoredEntries;
    ConfigurationForm restoredUnder;
};
