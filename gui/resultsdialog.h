#pragma once

#include "operationrecord.h"

#include <QDialog>
#include <QList>

namespace Ui {
class ResultsDialog;
}

// The outcome of each target of one operation: sortable, copied as rows,
// exported as CSV or JSON, and the failed ones retried.
class ResultsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ResultsDialog(const OperationRecord &record, QWidget *parent = nullptr);
    ~ResultsDialog() override;

    // A late answer changed the record.
    void setRecord(const OperationRecord &record);

Q_SIGNALS:
    // The targets that did not confirm, with their configuration; the current
    // password is to be asked again when a device refused it.
    void retryRequested(const QList<ScoutelContainer> &targets, bool askPassword);

protected:
    // The export's file name; a test gives its own.
    virtual QString askExportFileName();

private Q_SLOTS:
    void on_buttonCopy_clicked();
    void on_buttonExport_clicked();
    void on_buttonRetry_clicked();

private:
    QList<QStringList> rowTexts(bool selectedOnly) const;

    Ui::ResultsDialog *form;
    OperationRecord shown;
};
