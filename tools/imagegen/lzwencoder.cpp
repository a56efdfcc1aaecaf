#include "lzwencoder.h"

#include <QHash>

namespace {

const int maxCodeCount = 4096;
const int maxCodeSize = 12;

class BitPacker
{
public:
    void write(int code, int size)
    {
        accumulator |= quint32(code) << bitCount;
        bitCount += size;
        while (bitCount >= 8) {
            bytes.append(char(accumulator & 0xFF));
            accumulator >>= 8;
            bitCount -= 8;
        }
    }

    QByteArray finish()
    {
        if (bitCount > 0)
            bytes.append(char(accumulator & 0xFF));
        return bytes;
    }

private:
    QByteArray bytes;
    quint32 accumulator = 0;
    int bitCount = 0;
};

} // namespace

QByteArray lzwEncode(const QByteArray &indices, int minimumCodeSize)
{
    const int clearCode = 1 << minimumCodeSize;
    const int endCode = clearCode + 1;
    BitPacker packer;
    QHash<quint32, int> table;
    int codeSize = minimumCodeSize + 1;
    int nextCode = endCode + 1;

    packer.write(clearCode, codeSize);
    if (indices.isEmpty()) {
        packer.write(endCode, codeSize);
        return packer.finish();
    }
    int prefix = quint8(indices.at(0));
    for (qsizetype i = 1; i < indices.size(); ++i) {
        const int symbol = quint8(indices.at(i));
        const quint32 key = (quint32(prefix) << 8) | quint32(symbol);
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = *found;
            continue;
        }
        packer.write(prefix, codeSize);
        if (nextCode < maxCodeCount) {
            // The decoder adds each entry one code later, so the width grows
            // as soon as the entry just made needs the wider code.
            if (nextCode == (1 << codeSize) && codeSize < maxCodeSize)
                ++codeSize;
            table.insert(key, nextCode++);
        } else {
            packer.write(clearCode, codeSize);
            table.clear();
            codeSize = minimumCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = symbol;
    }
    packer.write(prefix, codeSize);
    // Reading that last code completes the decoder's pending entry, which
    // may widen the code that carries the end marker.
    if (nextCode == (1 << codeSize) && codeSize < maxCodeSize)
        ++codeSize;
    packer.write(endCode, codeSize);
    return packer.finish();
}
