#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// One field of a decrypted configuration payload.
struct SimField
{
    quint8 tag = 0;
    QByteArray value;
    int offset = 0; // of the value within the payload
};

namespace FieldList {
// Splits a decrypted payload into its fields, stopping at the zero fill. False
// when a field runs past the end or the fill is not all zero: what a payload
// decrypted with the wrong key looks like; *fields then holds those before.
bool split(const QByteArray &payload, QList<SimField> *fields);

// The device's verdict on one field after the challenge: 0, or the result code
// of a field that is unknown, refused or of the wrong length.
int check(const SimField &field);
} // namespace FieldList
