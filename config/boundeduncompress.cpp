#include "boundeduncompress.h"

#include <QtEndian>

#include <limits>
#include <zlib.h>

namespace {
constexpr qsizetype SizeFieldLength = 4;
constexpr qsizetype ChunkSize = 64 * 1024;

// Inflates one whole stream into out; false when it is damaged, incomplete or too large.
bool inflateStream(const char *stream, qsizetype length, qsizetype limit, QByteArray &out)
{
    if (length > qsizetype(std::numeric_limits<uInt>::max()))
        return false;
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream));
    z.avail_in = uInt(length);

    char chunk[ChunkSize];
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(chunk);
        z.avail_out = uInt(ChunkSize);
        status = inflate(&z, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            break;
        const qsizetype produced = ChunkSize - qsizetype(z.avail_out);
        if (out.size() + produced > limit) {
            status = Z_BUF_ERROR;
            break;
        }
        out.append(chunk, produced);
    }
    inflateEnd(&z);
    return status == Z_STREAM_END;
}
} // namespace

QByteArray boundedUncompress(const QByteArray &compressed, qsizetype limit)
{
    if (compressed.size() < SizeFieldLength)
        return {};
    const quint32 claimed = qFromBigEndian<quint32>(compressed.constData());
    // qCompress writes a zero size only for empty data, which needs no stream.
    if (claimed == 0 || qint64(claimed) > limit)
        return {};

    QByteArray out;
    if (!inflateStream(compressed.constData() + SizeFieldLength,
                       compressed.size() - SizeFieldLength, limit, out) ||
        out.size() != qsizetype(claimed))
        return {};
    return out;
}
