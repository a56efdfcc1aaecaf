#include "gifwriter.h"

#include "lzwencoder.h"

#include <QHash>

namespace {

const int maxColours = 255; // index 0 is the transparent one
const quint8 transparentIndex = 0;

void putWord(QByteArray *out, int value)
{
    out->append(char(value & 0xFF));
    out->append(char((value >> 8) & 0xFF));
}

bool isTransparent(QRgb pixel)
{
    return qAlpha(pixel) < 128;
}

// Bits needed to index the colour table, at least 2 as GIF demands.
int tableBits(int entries)
{
    int bits = 2;
    while ((1 << bits) < entries)
        ++bits;
    return bits;
}

void putSubBlocks(QByteArray *out, const QByteArray &data)
{
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out->append(char(block.size()));
        out->append(block);
    }
    out->append('\0');
}

} // namespace

GifWriter::GifWriter(int frameDelayMs) : delayMs(frameDelayMs) {}

bool GifWriter::encode(const QList<QImage> &frames, QByteArray *out)
{
    if (frames.isEmpty()) {
        error = QStringLiteral("no frames");
        return false;
    }
    const QSize size = frames.first().size();
    QList<QRgb> palette{qRgb(0, 0, 0)};
    QHash<QRgb, quint8> indexOf;
    QList<QByteArray> indexedFrames;
    for (const QImage &frame : frames) {
        if (frame.size() != size) {
            error = QStringLiteral("frames differ in size");
            return false;
        }
        const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
        QByteArray indices;
        indices.reserve(qsizetype(size.width()) * size.height());
        for (int y = 0; y < size.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                if (isTransparent(line[x])) {
                    indices.append(char(transparentIndex));
                    continue;
                }
                const QRgb colour = line[x] | 0xFF000000u;
                auto known = indexOf.constFind(colour);
                if (known == indexOf.constEnd()) {
                    if (palette.size() > maxColours) {
                        error = QStringLiteral("more than %1 colours").arg(maxColours);
                        return false;
                    }
                    known = indexOf.insert(colour, quint8(palette.size()));
                    palette.append(colour);
                }
                indices.append(char(*known));
            }
        }
        indexedFrames.append(indices);
    }

    const int bits = tableBits(int(palette.size()));
    out->clear();
    out->append("GIF89a");
    putWord(out, size.width());
    putWord(out, size.height());
    out->append(char(0x80 | (7 << 4) | (bits - 1))); // global table, 8-bit colour
    out->append(char(transparentIndex));             // background
    out->append('\0');                               // square pixels
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb colour = i < palette.size() ? palette.at(i) : qRgb(0, 0, 0);
        out->append(char(qRed(colour)));
        out->append(char(qGreen(colour)));
        out->append(char(qBlue(colour)));
    }
    out->append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16); // loop for ever
    putWord(out, 0);
    out->append('\0');

    for (const QByteArray &indices : std::as_const(indexedFrames)) {
        out->append("\x21\xF9\x04", 3);
        out->append(char((2 << 2) | 1)); // restore to background, transparency on
        putWord(out, (delayMs + 5) / 10);
        out->append(char(transparentIndex));
        out->append('\0');
        out->append('\x2C');
        putWord(out, 0);
        putWord(out, 0);
        putWord(out, size.width());
        putWord(out, size.height());
        out->append('\0'); // no local table, not interlaced
        out->append(char(bits));
        putSubBlocks(out, lzwEncode(indices, bits));
    }
    out->append('\x3B');
    return true;
}
