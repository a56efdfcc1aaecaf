#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// One safe element of a configuration file, as read.
struct SafeEntry
{
    QByteArray mac;                    // its bytes, non-hex characters skipped; empty: any device
    QMap<QString, QString> attributes; // every attribute present, by name

    bool has(const QString &name) const { return attributes.contains(name); }
    // The attribute's value; empty when absent.
    QString value(const QString &name) const { return attributes.value(name); }
};
