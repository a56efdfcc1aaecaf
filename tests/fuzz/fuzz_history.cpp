// The operation log as --history and the history window read it: any bytes,
// whole or cut anywhere. The reader keeps within its bounds, reads a line the
// same alone as among others, and the text it prints holds no control character.
#include "fuzzcheck.h"
#include "historyreader.h"
#include "historytext.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray input = fuzzInput(data, size);
    QBuffer buffer(&input);
    buffer.open(QIODevice::ReadOnly);
    QList<LoggedOperation> operations;
    HistoryReader::read(buffer, operations);
    FUZZ_CHECK(operations.size() <= input.count('\n'));
    const QList<QByteArray> lines = input.split('\n');
    qsizetype next = 0;
    for (const QByteArray &line : lines.mid(0, lines.size() - 1)) {
        if (line.size() > HistoryReader::MaxLineBytes || !HistoryReader::parseLine(line))
            continue;
        FUZZ_CHECK(next < operations.size() && operations.at(next).line == line);
        ++next;
    }
    FUZZ_CHECK(next == operations.size());
    for (const QChar c : HistoryText::of(operations))
        FUZZ_CHECK(c == QLatin1Char('\n') || c.category() != QChar::Other_Control);
    return 0;
}
