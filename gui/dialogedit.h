#pragma once

#include "scoutelcontainer.h"

#include <QDialog>
#include <QFileDialog>
#include <QList>
#include <QXmlStreamAttributes>

class Settings;
struct SafeEntry;

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

    // Fills the form for the targets; call once before exec().
    void prepare();

    void clearFields();
    // The form's checks with their messages; with multiple, the questions for several devices.
    bool validate(bool multiple);
    // Writes a per-device entry, completed by the form's password and Restart box, into the
    // target with the entry's MAC; 0, or -1 when no target has it.
    int applyToMac(const SafeEntry &entry);

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
    void fillFromRecord(const ScoutelContainer &record);
    void clearAll();
    void restoreFile();
    void storeFileSettings();
    // Unticks every field so that a per-device entry sends only what it names.
    void untickFields();
    void readSafe(const SafeEntry &entry);
    void setDhcp(bool dhcp);
    QXmlStreamAttributes formAttributes() const;
    bool checkField(const QString &label, bool ok);
    bool isValidAddress(const QString &text, const QString &maskText, bool isMask) const;
    bool isValidPublicKey(const QString &text) const;
    bool ask(bool warning, const QString &question);
    void warn(const QString &title, const QString &text);
    void applyToRecord(ScoutelContainer *record);
    void applyToAll();

    Ui::DialogEdit *ui;
    Settings *settings;
    QList<ScoutelContainer> &targets;
};
