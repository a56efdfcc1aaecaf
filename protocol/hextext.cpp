#include "hextext.h"

QString hexText(const QByteArray &bytes, int count)
{
    const qsizetype n = count < 0 ? bytes.size() : qMin<qsizetype>(count, bytes.size());
    QString text;
    text.reserve(n * 3);
    for (qsizetype i = 0; i < n; ++i)
        text += QStringLiteral("%1 ").arg(quint8(bytes.at(i)), 2, 16, QLatin1Char('0'));
    text.chop(1);
    return text.toUpper();
}

QString dashedHexText(const QByteArray &bytes)
{
    return hexText(bytes).replace(QLatin1Char(' '), QLatin1Char('-'));
}
