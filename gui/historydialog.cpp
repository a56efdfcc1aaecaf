#include "historydialog.h"

#include "ui_historydialog.h"

namespace {
void fillRow(QTableWidget *table, int row, const QStringList &texts)
{
    for (int column = 0; column < texts.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(texts.at(column)));
}
} // namespace

HistoryDialog::HistoryDialog(const QString &folder, QWidget *parent)
    : QDialog(parent), form(new Ui::HistoryDialog), operations(HistoryReader::readFolder(folder))
{
    form->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    on_editFind_textChanged(QString());
}

HistoryDialog::~HistoryDialog()
{
    delete form;
}

void HistoryDialog::on_editFind_textChanged(const QString &text)
{
    listed.clear();
    for (const LoggedOperation &operation : std::as_const(operations)) {
        if (text.isEmpty() || operation.matches(text))
            listed << &operation;
    }
    QTableWidget *table = form->tableOperations;
    table->setRowCount(int(listed.size()));
    for (int row = 0; row < listed.size(); ++row) {
        const LoggedOperation &operation = *listed.at(row);
        fillRow(table, row,
                {operation.time, operation.mode, QString::number(operation.targets.size()),
                 QString::number(operation.confirmed), QString::number(operation.failed())});
    }
    if (!listed.isEmpty())
        table->selectRow(0);
    on_tableOperations_itemSelectionChanged();
}

void HistoryDialog::on_tableOperations_itemSelectionChanged()
{
    const int row = form->tableOperations->currentRow();
    QTableWidget *table = form->tableTargets;
    const bool chosen = row >= 0 && row < listed.size();
    const QList<LoggedTarget> targets = chosen ? listed.at(row)->targets : QList<LoggedTarget>();
    table->setRowCount(int(targets.size()));
    for (int i = 0; i < targets.size(); ++i) {
        const LoggedTarget &target = targets.at(i);
        const QString outcome = target.result.isEmpty()
                                    ? target.outcome
                                    : target.outcome + QLatin1Char(' ') + target.result;
        fillRow(table, i, {target.mac, target.name, target.address, outcome});
    }
}
