#pragma once

#include "historyreader.h"

#include <QDialog>

namespace Ui {
class HistoryDialog;
}

// The logged operations, newest first, with the devices of the chosen one and
// a find field by MAC or name.
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    // Reads the log in folder.
    explicit HistoryDialog(const QString &folder, QWidget *parent = nullptr);
    ~HistoryDialog() override;

private Q_SLOTS:
    void on_editFind_textChanged(const QString &text);
    void on_tableOperations_itemSelectionChanged();

private:
    Ui::HistoryDialog *form;
    QList<LoggedOperation> operations;
    // Those the find field leaves, as the table lists them.
    QList<const LoggedOperation *> listed;
};
