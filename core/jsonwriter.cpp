#include "jsonwriter.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {
void appendByte(QByteArray &out, char c)
{
    static const char Hex[] = "0123456789abcdef";
    if (c == '"' || c == '\\') {
        out += '\\';
        out += c;
    } else if (uchar(c) < 0x20) {
        out += "\\u00";
        out += Hex[uchar(c) >> 4];
        out += Hex[uchar(c) & 0xF];
    } else {
        out += c;
    }
}
} // namespace

void JsonWriter::appendString(QByteArray &out, QStringView text)
{
    out += '"';
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x80 && c != u'"' && c != u'\\';
    });
    if (plain) {
        // Written in place: one byte at a time costs most of a save.
        const qsizetype at = out.size();
        out.resize(at + text.size());
        std::transform(text.begin(), text.end(), out.data() + at,
                       [](QChar c) { return char(c.unicode()); });
    } else {
        const QByteArray utf8 = text.toUtf8();
        for (const char c : utf8)
            appendByte(out, c);
    }
    out += '"';
}

void JsonWriter::appendValue(QByteArray &out, const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        out += value.toBool() ? "true" : "false";
        return;
    case QJsonValue::Double: {
        const double number = value.toDouble();
        // Whole numbers up to 2^53 are exact as integers.
        if (std::trunc(number) == number && std::fabs(number) < 9007199254740992.0)
            out += QByteArray::number(qint64(number));
        else
            out += QByteArray::number(number, 'g', 17);
        return;
    }
    case QJsonValue::String:
        return appendString(out, value.toString());
    case QJsonValue::Array: {
        out += '[';
        const QJsonArray items = value.toArray();
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i > 0)
                out += ',';
            appendValue(out, items.at(i));
        }
        out += ']';
        return;
    }
    case QJsonValue::Object: {
        out += '{';
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it != object.begin())
                out += ',';
            appendString(out, it.key());
            out += ':';
            appendValue(out, it.value());
        }
        out += '}';
        return;
    }
    default:
        out += "null";
    }
}
