#pragma once

#include "scoutelcontainer.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// One safe element of a configuration file, as read.
struct SafeEntry
{
    bool hasMac = false;               // the element carried mac_address
    QByteArray mac;                    // its bytes, non-hex characters skipped; empty: any device
    QMap<QString, QString> attributes; // every attribute present, by name

    bool has(const QString &name) const { return attributes.contains(name); }
    // The attribute's value; empty when absent.
    QString value(const QString &name) const { return attributes.value(name); }
};

// Writes entry into record as the edit form would send it after loading the entry:
// sendFields is rebuilt from the present attributes (network and port attributes
// come in groups, as the form's group boxes send them), http_port is ignored, apply
// is always set. password and the restart bit keep the record's values when absent.
// Callers check the values first; nothing is validated here.
void applySafeEntry(const SafeEntry &entry, ScoutelContainer *record);
