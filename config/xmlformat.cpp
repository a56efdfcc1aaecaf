#include "xmlformat.h"

#include "configwriter.h"
#include "fieldtable.h"
#include "safeattributes.h"

#include <QXmlStreamAttributes>

namespace {
// A sent field's value as the file writes it.
QString attributeValue(const FieldTable::Field &field, const ScoutelSharedData &record)
{
    using FieldTable::Kind;
    switch (field.kind) {
    case Kind::Address:
        return (record.*field.address).toString();
    case Kind::Number16:
        return QString::number(record.*field.number);
    case Kind::Switch16:
        return SafeAttribute::boolText(record.*field.number != 0);
    case Kind::Text:
        return record.*field.text;
    case Kind::Bytes:
        return QString::fromLatin1((record.*field.bytes).toHex());
    case Kind::Confirmation:
        return SafeAttribute::boolText(record.sendFields & field.bit);
    case Kind::SignedByte:
    case Kind::Word32:
    case Kind::Version:
    case Kind::Bus:
        break; // never in files
    }
    return QString();
}

// The safe's attributes in the order this writer puts them. Switches such as
// restart are always written; other fields only when they are to be sent.
QXmlStreamAttributes recordAttributes(const ScoutelSharedData &record, bool withMac)
{
    QXmlStreamAttributes attributes;
    attributes.append(SafeAttribute::MacAddress,
                      withMac ? QString::fromLatin1(record.mac.toHex()) : QString());
    attributes.append(SafeAttribute::Password, record.password);
    for (const FieldTable::Field *field : FieldTable::fileFields()) {
        if (field->kind == FieldTable::Kind::Confirmation || (record.sendFields & field->bit))
            attributes.append(QLatin1String(field->attribute), attributeValue(*field, record));
    }
    return attributes;
}
} // namespace

XmlFormat::XmlFormat(QObject *parent) : QObject(parent) {}

int XmlFormat::save(const QString &fileName, ScoutelContainer *record)
{
    if (!record) {
        errorText = tr("Filename or data not set.");
        return -1;
    }
    return save(fileName, {*record}, false);
}

int XmlFormat::save(const QString &fileName, const QList<ScoutelContainer> &records, bool perDevice)
{
    errorText.clear();
    if (fileName.isEmpty() || records.isEmpty()) {
        errorText = tr("Filename or data not set.");
        return -1;
    }
    QList<QXmlStreamAttributes> safes;
    for (const ScoutelContainer &record : records) {
        if (record->password.isEmpty()) {
            errorText = tr("Password cannot be empty.");
            return -1;
        }
        safes.append(recordAttributes(*record.constData(), perDevice));
    }
    switch (writeConfigFile(fileName, safes)) {
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
