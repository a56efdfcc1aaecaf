#include "dialogplan.h"

#include "devicerowcontent.h"
#include "ui_dialogplan.h"
#include "xmlformat.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
constexpr int MacRole = Qt::UserRole;
} // namespace

DialogPlan::DialogPlan(const PlanPreview &planPreview, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogPlan), preview(planPreview)
{
    ui->setupUi(this);
    fill();
    connect(ui->treePlan, &QTreeWidget::itemChanged, this, &DialogPlan::updateButtons);
    connect(ui->editPassword, &QLineEdit::textChanged, this, &DialogPlan::updateButtons);
    updateButtons();
}

DialogPlan::~DialogPlan()
{
    delete ui;
}

void DialogPlan::fill()
{
    QTreeWidget *tree = ui->treePlan;
    QColor changed = palette().color(QPalette::Highlight);
    changed.setAlpha(64);
    int changing = 0;
    int missing = 0;
    for (const PlanPreview::Device &device : preview.planned()) {
        auto *item = new QTreeWidgetItem(tree, {DeviceRowContent::macText(device.row.mac),
                                                QString::number(device.row.number),
                                                preview.describe(device)});
        item->setData(0, MacRole, device.row.mac);
        missing += device.isFound ? 0 : 1;
        item->setDisabled(!device.isFound);
        if (!device.isFound || device.changes.isEmpty())
            continue;
        ++changing;
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Checked);
        for (int column = 0; column < tree->columnCount(); ++column)
            item->setBackground(column, changed);
    }
    for (const ScoutelContainer &record : preview.untouched()) {
        auto *item = new QTreeWidgetItem(
            tree,
            {DeviceRowContent::macText(record->mac), QString(),
             tr("%1: not in the plan, untouched").arg(DeviceRowContent::cellText(record->name))});
        item->setDisabled(true);
    }
    tree->resizeColumnToContents(0);
    tree->resizeColumnToContents(1);
    const QStringList &problems = preview.problems();
    ui->textProblems->setVisible(!problems.isEmpty());
    ui->textProblems->setPlainText(problems.join(QLatin1Char('\n')));
    ui->labelSummary->setText(
        problems.isEmpty()
            ? tr("%n planned device(s) to change, %1 not found, %2 found and not in the plan.",
                 nullptr, changing)
                  .arg(missing)
                  .arg(preview.untouched().size())
            : tr("The plan has problems: nothing is sent until they are mended."));
}

QSet<QByteArray> DialogPlan::chosen() const
{
    QSet<QByteArray> macs;
    const QTreeWidget *tree = ui->treePlan;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = tree->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            macs.insert(item->data(0, MacRole).toByteArray());
    }
    return macs;
}

void DialogPlan::updateButtons()
{
    const bool sendable = preview.problems().isEmpty() && !chosen().isEmpty();
    ui->buttonApply->setEnabled(sendable);
    // A configuration file always holds the password.
    ui->buttonSave->setEnabled(sendable && !ui->editPassword->text().isEmpty());
}

void DialogPlan::on_buttonApply_clicked()
{
    Q_EMIT applyRequested(preview.targets(ui->editPassword->text(), chosen()));
    accept();
}

void DialogPlan::on_buttonSave_clicked()
{
    const QString fileName = askSaveFileName();
    if (fileName.isEmpty())
        return;
    XmlFormat format;
    if (format.save(fileName, preview.targets(ui->editPassword->text(), chosen()), true) == 0)
        return;
    auto *box =
        new QMessageBox(QMessageBox::Warning, QString(), format.lastError(), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString DialogPlan::askSaveFileName()
{
    return QFileDialog::getSaveFileName(
        this, tr("Save as Configuration File"), QString(),
        tr("Encrypted configuration files (*.lmx);;Plain configuration files (*.xml)"));
}
