#pragma once

#include "configurationform.h"

#include <QList>

class QWidget;

namespace Ui {
class DialogEdit;
}

// The edit dialog's value controls as a configuration form, and back: which
// control holds a field and which box sends it, in one place.
class ConfigurationFormWidget
{
public:
    explicit ConfigurationFormWidget(Ui::DialogEdit *ui);

    // What the ticked boxes send; the HTTP port only while its control is
    // visible to owner.
    ConfigurationForm read(const QWidget *owner) const;
    // Writes every field the form holds into its control; with tick, also
    // ticks its box (never unticks). The password and Restart stay.
    void show(const ConfigurationForm &form, bool tick);
    // The start values of the value controls; boxes and the HTTP port stay.
    void clear();
    void setDhcp(bool dhcp);

private:
    struct Field
    {
        std::optional<QString> ConfigurationForm::*member;
        QWidget *value; // a line edit or a spin box
        QWidget *box;   // a check box or a checkable group
    };

    Ui::DialogEdit *ui;
    QList<Field> fields;
};
