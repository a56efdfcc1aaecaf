#include "configurationformwidget.h"

#include "ui_dialogedit.h"

namespace {
QString valueOf(const QWidget *control)
{
    if (const auto *spin = qobject_cast<const QSpinBox *>(control))
        return QString::number(spin->value());
    return static_cast<const QLineEdit *>(control)->text();
}

void setValue(QWidget *control, const QString &value)
{
    if (auto *spin = qobject_cast<QSpinBox *>(control))
        spin->setValue(value.toInt());
    else
        static_cast<QLineEdit *>(control)->setText(value);
}

bool isTicked(const QWidget *box)
{
    if (const auto *group = qobject_cast<const QGroupBox *>(box))
        return group->isChecked();
    return static_cast<const QAbstractButton *>(box)->isChecked();
}

void tick(QWidget *box)
{
    if (auto *group = qobject_cast<QGroupBox *>(box))
        group->setChecked(true);
    else
        static_cast<QAbstractButton *>(box)->setChecked(true);
}
} // namespace

ConfigurationFormWidget::ConfigurationFormWidget(Ui::DialogEdit *form) : ui(form)
{
    using F = ConfigurationForm;
    fields = {{&F::name, ui->editName, ui->checkName},
              {&F::ipAddress, ui->editIpAddress, ui->groupNetwork},
              {&F::subnetMask, ui->editSubnet, ui->groupNetwork},
              {&F::gateway, ui->editGateway, ui->groupNetwork},
              {&F::mainPort, ui->spinMainPort, ui->groupPorts},
              {&F::auxPort, ui->spinAuxPort, ui->groupPorts},
              {&F::httpPort, ui->spinHttpPort, ui->groupPorts},
              {&F::sessionMinutes, ui->spinDurate, ui->checkDurate},
              {&F::newPassword, ui->editNewPassword, ui->checkNewPassword},
              {&F::publicKey, ui->editPublicKey, ui->checkPublicKey}};
}

ConfigurationForm ConfigurationFormWidget::read(const QWidget *owner) const
{
    ConfigurationForm form;
    form.password = ui->editPassword->text();
    for (const Field &field : fields) {
        // Only a device that told its HTTP port gets one.
        if (isTicked(field.box) &&
            (field.value != ui->spinHttpPort || field.value->isVisibleTo(owner)))
            form.*field.member = valueOf(field.value);
    }
    // With DHCP the addresses still go out, and are checked.
    if (ui->groupNetwork->isChecked())
        form.dhcp = ui->radioDhcp->isChecked();
    form.restart = ui->checkRestart->isChecked();
    return form;
}

void ConfigurationFormWidget::show(const ConfigurationForm &form, bool tickBoxes)
{
    for (const Field &field : std::as_const(fields)) {
        if (!(form.*field.member))
            continue;
        setValue(field.value, *(form.*field.member));
        if (tickBoxes)
            tick(field.box);
    }
    if (form.dhcp) {
        setDhcp(*form.dhcp);
        if (tickBoxes)
            tick(ui->groupNetwork);
    }
}

void ConfigurationFormWidget::clear()
{
    show(ConfigurationForm::startValues(), false);
}

void ConfigurationFormWidget::setDhcp(bool dhcp)
{
    // The exclusive group ignores unchecking its checked button: check the other one.
    (dhcp ? ui->radioDhcp : ui->radioStatic)->setChecked(true);
}
