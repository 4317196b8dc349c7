#include "pngchunks.h"

#include <array>

namespace Fuzz {

namespace {

std::array<quint32, 256> crcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

QByteArray chunkBytes(const PngChunks::Chunk& chunk, quint32 length)
{
    const QByteArray typed = chunk.type + chunk.data;
    return PngChunks::bigEndian(length) + typed + PngChunks::bigEndian(PngChunks::crc(typed));
}

} // namespace

const QByteArray& PngChunks::signature()
{
    static const QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
    return bytes;
}

quint32 PngChunks::crc(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = crcTable();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = table[(c ^ static_cast<quint8>(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray PngChunks::bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int k = 0; k < 4; ++k)
        bytes[k] = static_cast<char>((value >> (8 * (3 - k))) & 0xFF);
    return bytes;
}

quint32 PngChunks::readBigEndian(const QByteArray& bytes, int offset)
{
    quint32 value = 0;
    for (int k = 0; k < 4; ++k)
        value = (value << 8) | static_cast<quint8>(bytes.at(offset + k));
    return value;
}

bool PngChunks::split(const QByteArray& file, QList<Chunk>* chunks)
{
    if (!file.startsWith(signature()))
        return false;
    int at = signature().size();
    while (at < file.size()) {
        if (file.size() - at < 12)
            return false;
        const quint32 length = readBigEndian(file, at);
        if (length > static_cast<quint32>(file.size() - at - 12))
            return false;
        chunks->append(Chunk{file.mid(at + 4, 4), file.mid(at + 8, static_cast<int>(length))});
        at += 12 + static_cast<int>(length);
    }
    return true;
}

QByteArray PngChunks::join(const QList<Chunk>& chunks)
{
    QByteArray file = signature();
    for (const Chunk& chunk : chunks)
        file += chunkBytes(chunk, static_cast<quint32>(chunk.data.size()));
    return file;
}

QByteArray PngChunks::withLength(const QList<Chunk>& chunks, int index, quint32 length)
{
    QByteArray file = signature();
    for (int k = 0; k < chunks.size(); ++k) {
        const Chunk& chunk = chunks.at(k);
        file += chunkBytes(chunk, k == index ? length : static_cast<quint32>(chunk.data.size()));
    }
    return file;
}

QByteArray PngChunks::inflate(const QList<Chunk>& chunks)
{
    QByteArray stream;
    for (const Chunk& chunk : chunks) {
        if (chunk.type == "IDAT")
            stream += chunk.data;
    }
    // qUncompress wants the inflated size in front; a generous bound will do,
    // since it only sizes the first buffer.
    return qUncompress(bigEndian(1u << 20) + stream);
}

QList<PngChunks::Chunk> PngChunks::withImageData(const QList<Chunk>& chunks, const QByteArray& raw)
{
    // qCompress writes the inflated size, then a zlib stream: the stream is
    // what an IDAT chunk holds.
    const QByteArray stream = qCompress(raw).mid(4);
    QList<Chunk> result;
    bool placed = false;
    for (const Chunk& chunk : chunks) {
        if (chunk.type != "IDAT") {
            result.append(chunk);
        } else if (!placed) {
            result.append(Chunk{chunk.type, stream});
            placed = true;
        }
    }
    return result;
}

} // namespace Fuzz
