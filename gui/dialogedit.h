#pragma once

#include "addressplan.h"
#include "configurationform.h"
#include "configurationrules.h"
#include "safeentry.h"
#include "scoutelcontainer.h"

#include <QDialog>
#include <QFileDialog>
#include <QList>
#include <QSet>
#include <QXmlStreamAttributes>

#include <optional>

class Settings;
struct ConfigReadError;

namespace Ui {
class DialogEdit;
}

// Composes one configuration for the target records, checks it, and writes it into
// them; saves the form as a configuration file and loads such files, per device too.
class DialogEdit : public QDialog
{
    Q_OBJECT

public:
    // targets and settings must outlive the dialog; targets is written in place.
    DialogEdit(QList<ScoutelContainer> &targets, Settings *settings, QWidget *parent = nullptr);
    ~DialogEdit() override;

    // Addresses that devices other than the targets hold: the next free address
    // for each target skips them. Call before prepare().
    void setHeldAddresses(const QSet<quint32> &addresses) { heldByOthers = addresses; }
    // Fills the form for the targets; call once before exec().
    void prepare();

    void clearFields();
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
    // The widgets as a configuration, and back.
    ConfigurationForm form() const;
    void fillFromRecord(const ScoutelContainer &record);
    void clearAll();
    void restoreFile();
    void storeFileSettings();
    void readSafe(const SafeEntry &entry);
    void setDhcp(bool dhcp);
    // The form as a file's safe, for the device mac (empty: any device).
    QXmlStreamAttributes formAttributes(const QString &mac, const QString &ipAddress) const;
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
    void applyToAll(const QList<ConfigurationForm> &forms);
    // What the form shows, password and restart aside: a per-device file
    // restored at the start holds only while this stays as it was.
    ConfigurationForm shownValues() const;

    Ui::DialogEdit *ui;
    Settings *settings;
    QList<ScoutelContainer> &targets;
    QSet<quint32> heldByOthers;
    // The remembered per-device file's entries, and the form they were restored under.
    QList<SafeEntry> restoredEntries;
    ConfigurationForm restoredUnder;
};
