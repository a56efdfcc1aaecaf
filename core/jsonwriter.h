#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QStringView>

// Compact JSON appended by hand: the framework's writer takes several times
// as long, too long for a memory of 10,000 devices saved after every search.
namespace JsonWriter {

void appendString(QByteArray &out, QStringView text);
// Numbers that are whole go out without a fraction; objects in key order.
void appendValue(QByteArray &out, const QJsonValue &value);

} // namespace JsonWriter
