#pragma once

#include "configurationform.h"
#include "planreader.h"
#include "scoutelcontainer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// A plan against the devices of the last search: what each planned device
// gets, checked by the one rule set, with its moves ordered so that no two
// devices hold one address at any moment. Fields already equal are not sent;
// a changed member of a group (addressing; the two TCP ports) sends the group
// with the device's current values for the others.
class PlanPreview
{
    Q_DECLARE_TR_FUNCTIONS(PlanPreview)

public:
    struct Change
    {
        QString key;
        QString current; // empty when the device did not tell it
        QString planned;
    };

    struct Device
    {
        PlanReader::Row row;
        bool isFound;
        ScoutelContainer found; // the device's latest answer
        QList<Change> changes;
        ConfigurationForm form; // what is sent; without the password
    };

    PlanPreview(const PlanReader::Plan &plan, const QList<ScoutelContainer> &devices);

    // The plan's problems and the checks'; when there is one, nothing is sent.
    const QStringList &problems() const { return faults; }
    // In the plan's order.
    const QList<Device> &planned() const { return devices; }
    // Devices that answered and are not in the plan.
    const QList<ScoutelContainer> &untouched() const { return others; }
    const PlanReader::Plan &plan() const { return source; }

    // The found devices with changes whose MAC chosen holds, each carrying its
    // configuration and the password, in the order ConfigurationRun wants them:
    // it sends the last target first, so a device leaves an address before
    // another takes it.
    QList<ScoutelContainer> targets(const QString &password, const QSet<QByteArray> &chosen) const;
    // Every found device with changes.
    QSet<QByteArray> changing() const;

    // "not found", "nothing to change", or each change as "column: current -> planned".
    QString describe(const Device &device) const;
    // The preview for people, one line each; and for scripts, one JSON object
    // per planned device, then one per untouched device.
    QStringList textLines() const;
    QByteArray jsonLines() const;

private:
    void plan(Device &device);
    void checkAddresses();
    void order(const QList<qsizetype> &after);

    PlanReader::Plan source;
    QList<Device> devices;
    QList<ScoutelContainer> others;
    QStringList faults;
    // Indexes into devices, in the order the requests must go out.
    QList<qsizetype> sendOrder;
};
