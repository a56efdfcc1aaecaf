#include "xmlformat.h"

#include "configwriter.h"
#include "safeattributes.h"

#include <QXmlStreamAttributes>

namespace {
QString boolText(bool value)
{
    return value ? SafeAttribute::True : SafeAttribute::False;
}

// The safe's attributes in the order this writer puts them.
QXmlStreamAttributes recordAttributes(const ScoutelSharedData &record)
{
    const quint32 send = record.sendFields;
    QXmlStreamAttributes attributes;
    attributes.append(SafeAttribute::MacAddress, QString());
    attributes.append(SafeAttribute::Password, record.password);
    if (send & FieldName)
        attributes.append(SafeAttribute::Name, record.name);
    if (send & FieldIpAddress)
        attributes.append(SafeAttribute::IpAddress, record.ipAddress.toString());
    if (send & FieldSubnetMask)
        attributes.append(SafeAttribute::SubnetMask, record.subnetMask.toString());
    if (send & FieldGateway)
        attributes.append(SafeAttribute::Gateway, record.gateway.toString());
    if (send & FieldDhcp)
        attributes.append(SafeAttribute::Dhcp, boolText(record.dhcp != 0));
    if (send & FieldMainPort)
        attributes.append(SafeAttribute::TcpPort, QString::number(record.mainPort));
    if (send & FieldAuxPort)
        attributes.append(SafeAttribute::AuxPort, QString::number(record.auxPort));
    if (send & FieldHttpPort)
        attributes.append(SafeAttribute::HttpPort, QString::number(record.httpPort));
    if (send & FieldSessionMinutes)
        attributes.append(SafeAttribute::SessionMinutes, QString::number(record.sessionMinutes));
    if (send & FieldNewPassword)
        attributes.append(SafeAttribute::NewPassword, record.newPassword);
    if (send & FieldPublicKey)
        attributes.append(SafeAttribute::PublicKey, QString::fromLatin1(record.publicKey.toHex()));
    attributes.append(SafeAttribute::Restart, boolText(send & FieldRestart));
    return attributes;
}
} // namespace

XmlFormat::XmlFormat(QObject *parent) : QObject(parent) {}

int XmlFormat::save(const QString &name, ScoutelContainer *record)
{
    errorText.clear();
    fileName = name;
    target = record;
    if (fileName.isEmpty() || !target) {
        errorText = tr("Filename or data not set.");
        return -1;
    }
    const ScoutelSharedData &data = *target->constData();
    if (data.password.isEmpty()) {
        errorText = tr("Password cannot be empty.");
        return -1;
    }

    switch (writeConfigFile(fileName, recordAttributes(data))) {
    case ConfigWriteResult::Written:
        return 0;
    case ConfigWriteResult::UnwritableText:
        errorText = tr("The configuration holds characters that cannot be stored in a file.");
        return -1;
    case ConfigWriteResult::FileError:
        break;
    }
    errorText = tr("Cannot write to the file: %1").arg(fileName);
    return -1;
}
