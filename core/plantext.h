#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The text layer of a plan file as spreadsheets write it, without any meaning:
// the encoding, the separator and the records of a CSV.
namespace PlanText {

// UTF-8 with or without a byte-order mark; bytes that are not UTF-8 read as
// Windows-1252 (Latin-1 with the printable 0x80-0x9F of Windows).
QString decode(const QByteArray &bytes);

// Comma, semicolon or tab: whichever the header line (up to its first line
// break outside quotes) holds most of; comma when it holds none.
QChar separatorOf(QStringView text);

// RFC 4180 records, each a list of cells, with either line break; quoted cells
// may hold separators, doubled quotes and line breaks. Stops after maxRecords
// records; tooMany tells whether more followed.
QList<QStringList> records(QStringView text, QChar separator, int maxRecords, bool *tooMany);

} // namespace PlanText
