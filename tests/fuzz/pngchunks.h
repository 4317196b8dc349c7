#pragma once

#include <QByteArray>
#include <QList>

namespace Fuzz {

// A PNG file taken apart into its chunks and put together again with fresh
// checksums, so that a changed chunk still reaches the decoder instead of
// failing its CRC.
class PngChunks {
public:
    struct Chunk {
        QByteArray type; // four letters
        QByteArray data;
    };

    // False when the bytes are not a whole PNG file (signature, then chunks
    // to the end).
    static bool split(const QByteArray& file, QList<Chunk>* chunks);
    static QByteArray join(const QList<Chunk>& chunks);

    // The chunk with its length field replaced, its checksum fresh.
    static QByteArray withLength(const QList<Chunk>& chunks, int index, quint32 length);

    // The image data of all IDAT chunks inflated, and a file whose image data
    // is `raw` deflated into one IDAT chunk in place of the old ones.
    static QByteArray inflate(const QList<Chunk>& chunks);
    static QList<Chunk> withImageData(const QList<Chunk>& chunks, const QByteArray& raw);

    static quint32 crc(const QByteArray& bytes);
    static QByteArray bigEndian(quint32 value);
    static quint32 readBigEndian(const QByteArray& bytes, int offset);

    static const QByteArray& signature();
};

} // namespace Fuzz
