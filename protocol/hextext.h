#pragma once

#include <QByteArray>
#include <QString>

// Bytes as upper-case hexadecimal pairs separated by single spaces: "00 1A 2B".
// A negative count takes every byte; otherwise the first count bytes.
QString hexText(const QByteArray &bytes, int count = -1);
// The same pairs joined by "-" (00-1A-2B), as MAC addresses are shown to the user.
QString dashedHexText(const QByteArray &bytes);
