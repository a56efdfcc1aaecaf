#include "expectedfields.h"

#include "devicerowcontent.h"
#include "fieldtable.h"

#include <QMap>
#include <QtEndian>

namespace {
using FieldTable::Field;
using FieldTable::Kind;
using Shown = QMap<QString, QStringList>;

QString nameOf(const Field &field)
{
    return QStringLiteral("sctl.") + QLatin1String(FieldTable::captureName(field));
}

QStringList columns()
{
    QStringList names{QStringLiteral("sctl.sequence"), QStringLiteral("sctl.command"),
                      QStringLiteral("sctl.mac"), QStringLiteral("sctl.length")};
    for (const Field &field : FieldTable::Fields)
        names << nameOf(field);
    return names;
}

// The record's value of one tag, in the window's format where tshark prints
// that: tshark prints the number behind a switch, and 32-bit hexadecimal.
QString printed(const ScoutelSharedData &r, const Field &field, quint8 tag)
{
    switch (field.kind) {
    case Kind::Address:
        return (r.*field.address).toString();
    case Kind::Number16:
    case Kind::SignedByte:
        return QString::number(r.*field.number);
    case Kind::Switch16:
        return QString::number(int(r.*field.number != 0));
    case Kind::Word32:
        return QString::number(r.*field.word);
    case Kind::Text:
        return r.*field.text;
    case Kind::Bytes:
        return QString::fromLatin1((r.*field.bytes).toHex());
    case Kind::Version:
        return DeviceRowContent::versionText(r.*field.number, r.*field.minor);
    case Kind::Bus:
        return QString::number((r.*field.bus)[tag - field.tag]);
    case Kind::Confirmation:
        return QStringLiteral("0x") + QString::fromLatin1(PacketCodec::confirmationValue().toHex());
    }
    return QString();
}

Shown shownOf(const Frame &frame)
{
    const char *header = frame.datagram.payload.constData();
    Shown shown;
    shown[QStringLiteral("sctl.sequence")] << QString::number(qFromBigEndian<quint16>(header + 4));
    shown[QStringLiteral("sctl.command")] << QString::number(qFromBigEndian<quint16>(header + 6));
    shown[QStringLiteral("sctl.mac")]
        << QString::fromLatin1(frame.datagram.payload.mid(8, Sctl::MacSize).toHex(':'));
    shown[QStringLiteral("sctl.length")] << QString::number(qFromBigEndian<quint16>(header + 14));
    const QByteArray &fields = frame.fields;
    for (int pos = 0; pos + 2 <= fields.size() && fields[pos] != char(Tag::Fill);
         pos += 2 + quint8(fields[pos + 1])) {
        const auto tag = quint8(fields[pos]);
        if (const Field *field = FieldTable::forTag(tag))
            shown[nameOf(*field)] << printed(*frame.record.constData(), *field, tag);
    }
    return shown;
}
} // namespace

QString expectedFields(const QList<Frame> &frames)
{
    const QStringList names = columns();
    QString table = names.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const Frame &frame : frames) {
        const Shown shown = shownOf(frame);
        QStringList line;
        for (const QString &name : names)
            line << shown.value(name).join(QLatin1Char(' '));
        table += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return table;
}
