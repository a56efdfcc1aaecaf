#include "resultsdialog.h"

#include "devicelist.h"
#include "devicerowcontent.h"
#include "operationline.h"
#include "ui_resultsdialog.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

ResultsDialog::ResultsDialog(const OperationRecord &record, QWidget *parent)
    : QDialog(parent), form(new Ui::ResultsDialog)
{
    form->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setRecord(record);
}

ResultsDialog::~ResultsDialog()
{
    delete form;
}

void ResultsDialog::setRecord(const OperationRecord &record)
{
    shown = record;
    QTableWidget *table = form->tableResults;
    // Rows are filled unsorted, then sorted once.
    const int sortColumn = table->horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder order = table->horizontalHeader()->sortIndicatorOrder();
    table->setSortingEnabled(false);
    table->setRowCount(int(record.outcomes.size()));
    for (int row = 0; row < record.outcomes.size(); ++row) {
        const TargetOutcome &outcome = record.outcomes.at(row);
        const QString texts[] = {DeviceRowContent::macText(outcome.mac()), outcome.nameBefore,
                                 outcome.addressBefore.toString(),
                                 outcome.changedFields().join(QLatin1String(", ")),
                                 outcome.outcomeText()};
        for (int column = 0; column < table->columnCount(); ++column)
            table->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    table->setSortingEnabled(true);
    table->sortByColumn(sortColumn, order);
    table->resizeColumnsToContents();
    form->buttonRetry->setEnabled(!record.succeeded());
}

QList<QStringList> ResultsDialog::rowTexts(bool selectedOnly) const
{
    const QTableWidget *table = form->tableResults;
    QList<QStringList> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (selectedOnly && !table->item(row, 0)->isSelected())
            continue;
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column)
            texts << table->item(row, column)->text();
        rows << texts;
    }
    return rows;
}

void ResultsDialog::on_buttonCopy_clicked()
{
    QString text;
    for (const QStringList &row : rowTexts(true))
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text);
}

void ResultsDialog::on_buttonExport_clicked()
{
    const QString fileName = askExportFileName();
    if (fileName.isEmpty())
        return;
    QByteArray content;
    if (fileName.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
        content = OperationLine::of(shown, QStringLiteral("window")) + '\n';
    } else {
        QStringList titles;
        for (int column = 0; column < form->tableResults->columnCount(); ++column)
            titles << form->tableResults->horizontalHeaderItem(column)->text();
        content = DeviceList::csvLine(titles);
        for (const QStringList &row : rowTexts(false))
            content += DeviceList::csvLine(row);
    }
    const QString problem = DeviceList::write(fileName, content);
    if (problem.isEmpty())
        return;
    auto *box = new QMessageBox(
        QMessageBox::Warning, QString(),
        tr("The results were not saved to %1: %2").arg(QDir::toNativeSeparators(fileName), problem),
        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString ResultsDialog::askExportFileName()
{
    return QFileDialog::getSaveFileName(this, tr("Export Results"), QString(),
                                        tr("CSV files (*.csv);;JSON files (*.json)"));
}

void ResultsDialog::on_buttonRetry_clicked()
{
    QList<ScoutelContainer> failed;
    bool askPassword = false;
    for (const TargetOutcome &outcome : std::as_const(shown.outcomes)) {
        if (outcome.confirmed())
            continue;
        failed << outcome.target;
        askPassword = askPassword || (outcome.kind == TargetOutcome::Kind::Refused &&
                                      outcome.code == ResultWrongPassword);
    }
    if (!failed.isEmpty())
        Q_EMIT retryRequested(failed, askPassword);
}
