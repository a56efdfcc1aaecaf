#pragma once

#include "scoutelcontainer.h"

#include <QMap>
#include <QString>

#include <optional>

// A configuration as an operator composed it, before it becomes a record: the
// edit dialog's form, a file entry and the command-line options each fill one,
// the rules check it, and one builder turns it into what is sent. A field that
// is absent is not changed; values are kept as given, so the rules see them.
struct ConfigurationForm
{
    QString password; // the device's current password
    std::optional<QString> name;
    std::optional<bool> dhcp;
    std::optional<QString> ipAddress;
    std::optional<QString> subnetMask;
    std::optional<QString> gateway;
    std::optional<QString> mainPort;
    std::optional<QString> auxPort;
    std::optional<QString> httpPort;
    std::optional<QString> sessionMinutes;
    std::optional<QString> newPassword;
    std::optional<QString> publicKey;
    bool restart = false;

    // The form a file's safe element describes, as the dialog's form would send it
    // after loading the element: network and port attributes come in groups, as
    // the form's group boxes send them (a port the element leaves out takes the
    // form's start value), http_port is ignored. The password and restart of base
    // stay when the element leaves them out.
    static ConfigurationForm fromAttributes(const QMap<QString, QString> &attributes,
                                            const ConfigurationForm &base);
    // Each attribute present on its own, as loading it changes the form's
    // controls; http_port, password and restart are left out.
    static ConfigurationForm given(const QMap<QString, QString> &attributes);
    // The values of the record's fields that fields names, as text.
    static ConfigurationForm fromRecord(const ScoutelSharedData &record, quint32 fields);
    // What the edit form holds before a device or a file fills it.
    static ConfigurationForm startValues();

    // Rebuilds record's sendFields and writes the values: call it only with a
    // form the rules accepted. The apply bit is always set.
    void writeInto(ScoutelSharedData &record) const;

    // Same fields with the same values; the password and restart are compared too.
    bool operator==(const ConfigurationForm &other) const;
    bool operator!=(const ConfigurationForm &other) const { return !(*this == other); }
};
