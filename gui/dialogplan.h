#pragma once

#include "planpreview.h"
#include "scoutelcontainer.h"

#include <QDialog>
#include <QList>
#include <QSet>

namespace Ui {
class DialogPlan;
}

// The preview of a site plan: per planned device what changes, a tick for
// each found device with changes, the plan's problems. Apply hands the ticked
// devices, each with its configuration and the current password, to one
// operation; Save as Configuration File keeps them as a per-device file.
class DialogPlan : public QDialog
{
    Q_OBJECT

public:
    DialogPlan(const PlanPreview &preview, QWidget *parent = nullptr);
    ~DialogPlan() override;

    // The found devices with changes that are ticked.
    QSet<QByteArray> chosen() const;

Q_SIGNALS:
    void applyRequested(const QList<ScoutelContainer> &targets);

protected:
    // A seam for tests: the save dialog, empty when cancelled.
    virtual QString askSaveFileName();

private Q_SLOTS:
    void on_buttonApply_clicked();
    void on_buttonSave_clicked();

private:
    void fill();
    void updateButtons();

    Ui::DialogPlan *ui;
    PlanPreview preview;
};
