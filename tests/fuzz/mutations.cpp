#include "mutations.h"

#include <QRegularExpression>

#include "pngchunks.h"

namespace Fuzz {

namespace {

enum class Format { Text, Png, Bmp, Jpeg, Other };

Format formatOf(const QByteArray& bytes)
{
    if (bytes.startsWith(PngChunks::signature()))
        return Format::Png;
    if (bytes.startsWith("BM"))
        return Format::Bmp;
    if (bytes.startsWith("\xFF\xD8"))
        return Format::Jpeg;
    return bytes.contains('\0') ? Format::Other : Format::Text;
}

// Every position of a small seed; of a larger one, its first bytes and
// evenly spaced positions after them.
QList<int> positions(int size)
{
    QList<int> list;
    const int head = size <= Mutations::smallSeed ? size : Mutations::headBytes;
    for (int at = 0; at < head; ++at)
        list.append(at);
    const int rest = size - head;
    const int count = qMin(rest, Mutations::laterPositions);
    for (int k = 0; k < count; ++k)
        list.append(head + static_cast<int>(static_cast<long long>(k) * rest / count));
    return list;
}

// Writes a field of `width` bytes, least significant first or last.
void putField(QByteArray& bytes, int offset, int width, quint32 value, bool littleEndian)
{
    for (int k = 0; k < width; ++k) {
        const int shift = 8 * (littleEndian ? k : width - 1 - k);
        bytes[offset + k] = static_cast<char>((value >> shift) & 0xFF);
    }
}

Sample mutant(const Sample& seed, Sample::Kind kind, const QString& what, const QByteArray& bytes)
{
    return Sample{seed.name + QStringLiteral(": ") + what, bytes, kind};
}

// Pictures keep their checksums: a changed PNG is put together again.
QByteArray withFreshChecksums(const QByteArray& bytes)
{
    QList<PngChunks::Chunk> chunks;
    if (!PngChunks::split(bytes, &chunks))
        return bytes;
    return PngChunks::join(chunks);
}

const QStringList& extremeNumbers()
{
    static const QStringList numbers = {QStringLiteral("0"),
                                        QStringLiteral("-1"),
                                        QStringLiteral("2147483647"),
                                        QStringLiteral("2147483648"),
                                        QStringLiteral("-2147483649"),
                                        QStringLiteral("4294967296"),
                                        QStringLiteral("9223372036854775807"),
                                        QStringLiteral("18446744073709551616"),
                                        QStringLiteral("1e308"),
                                        QStringLiteral("-1e308"),
                                        QStringLiteral("1e-320"),
                                        QStringLiteral("nan"),
                                        QStringLiteral("inf"),
                                        QStringLiteral("-inf"),
                                        QStringLiteral("0x10"),
                                        QStringLiteral("1,5"),
                                        QString()};
    return numbers;
}

// Bytes per pixel of an 8-bit PNG, 0 for other depths.
int bytesPerPixel(const QByteArray& header)
{
    if (header.size() < 13 || header.at(8) != 8)
        return 0;
    switch (header.at(9)) {
    case 0: return 1;
    case 2: return 3;
    case 3: return 1;
    case 4: return 2;
    case 6: return 4;
    default: return 0;
    }
}

QList<Sample> pngPixelExtremes(const Sample& seed)
{
    QList<Sample> list;
    QList<PngChunks::Chunk> chunks;
    if (!PngChunks::split(seed.bytes, &chunks) || chunks.isEmpty() || chunks.front().type != "IHDR")
        return list;
    const QByteArray& header = chunks.front().data;
    const int pixelBytes = bytesPerPixel(header);
    const quint32 width = PngChunks::readBigEndian(header, 0);
    const quint32 height = PngChunks::readBigEndian(header, 4);
    const QByteArray raw = PngChunks::inflate(chunks);
    if (pixelBytes == 0 || height == 0 ||
        static_cast<quint32>(raw.size()) != height * (1 + width * pixelBytes))
        return list;
    const int row = 1 + static_cast<int>(width) * pixelBytes;
    // Rewrites every row: filter(rowStart) sets the filter byte, pixel(byte
    // offset in the row) the others; both return -1 to keep a byte.
    auto rewrite = [&](const QString& what, auto filter, auto pixel) {
        QByteArray changed = raw;
        for (int start = 0; start < changed.size(); start += row) {
            const int f = filter(start);
            if (f >= 0)
                changed[start] = static_cast<char>(f);
            for (int offset = 0; offset < row - 1; ++offset) {
                const int value = pixel(offset);
                if (value >= 0)
                    changed[start + 1 + offset] = static_cast<char>(value);
            }
        }
        list.append(mutant(seed, Sample::NumericExtreme, what,
                           PngChunks::join(PngChunks::withImageData(chunks, changed))));
    };
    const auto keep = [](int) { return -1; };
    for (const int value : {0x00, 0xFF, 0x80, 0x7F}) {
        rewrite(
            QStringLiteral("every sample %1").arg(value), [](int) { return 0; },
            [value](int) { return value; });
    }
    for (int channel = 0; channel < pixelBytes; ++channel) {
        for (const int value : {0x00, 0xFF}) {
            rewrite(
                QStringLiteral("channel %1 of every pixel %2").arg(channel).arg(value),
                [](int) { return 0; },
                [=](int offset) { return offset % pixelBytes == channel ? value : -1; });
        }
    }
    for (const int filter : {4, 5, 255})
        rewrite(
            QStringLiteral("row filter %1").arg(filter), [filter](int) { return filter; }, keep);
    return list;
}

QList<Sample> textExtremes(const Sample& seed)
{
    QList<Sample> list;
    static const QRegularExpression number(
        QStringLiteral("-?[0-9]+(\\.[0-9]+)?([eE][-+]?[0-9]+)?"));
    const QString text = QString::fromUtf8(seed.bytes);
    auto matches = number.globalMatch(text);
    int index = 0;
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        for (const QString& extreme : extremeNumbers()) {
            QString changed = text;
            changed.replace(match.capturedStart(), match.capturedLength(), extreme);
            list.append(mutant(
                seed, Sample::NumericExtreme,
                QStringLiteral("number %1 (%2) as '%3'").arg(index).arg(match.captured(), extreme),
                changed.toUtf8()));
        }
        ++index;
    }
    return list;
}

QList<Sample> pngHeaderSizes(const Sample& seed)
{
    QList<Sample> list;
    QList<PngChunks::Chunk> chunks;
    if (!PngChunks::split(seed.bytes, &chunks) || chunks.isEmpty() ||
        chunks.front().type != "IHDR" || chunks.front().data.size() != 13)
        return list;
    const QList<quint32> sizes = {0, 1, 3, 2048, 4096, 16385, 0x7FFFFFFFu, 0xFFFFFFFFu};
    for (const quint32 width : sizes) {
        for (const quint32 height : sizes) {
            QList<PngChunks::Chunk> changed = chunks;
            changed.front().data.replace(
                0, 8, PngChunks::bigEndian(width) + PngChunks::bigEndian(height));
            list.append(mutant(seed, Sample::HeaderSize,
                               QStringLiteral("%1 x %2 pixels").arg(width).arg(height),
                               PngChunks::join(changed)));
        }
    }
    for (const int depth : {1, 2, 4, 16, 3}) {
        for (const int colourType : {0, 2, 3, 4, 6, 5}) {
            QList<PngChunks::Chunk> changed = chunks;
            changed.front().data[8] = static_cast<char>(depth);
            changed.front().data[9] = static_cast<char>(colourType);
            list.append(
                mutant(seed, Sample::HeaderSize,
                       QStringLiteral("depth %1, colour type %2").arg(depth).arg(colourType),
                       PngChunks::join(changed)));
        }
    }
    for (int index = 0; index < chunks.size(); ++index) {
        const quint32 length = static_cast<quint32>(chunks.at(index).data.size());
        for (const quint32 claimed : {0u, 1u, length - 1, length + 1, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
            list.append(mutant(seed, Sample::HeaderSize,
                               QStringLiteral("%1 chunk claiming %2 bytes")
                                   .arg(QString::fromLatin1(chunks.at(index).type))
                                   .arg(claimed),
                               PngChunks::withLength(chunks, index, claimed)));
        }
    }
    return list;
}

QList<Sample> bmpHeaderSizes(const Sample& seed)
{
    QList<Sample> list;
    if (seed.bytes.size() < 54)
        return list;
    auto with32 = [&](const QString& what, const QList<QPair<int, quint32>>& fields) {
        QByteArray changed = seed.bytes;
        for (const auto& field : fields)
            putField(changed, field.first, 4, field.second, true);
        list.append(mutant(seed, Sample::HeaderSize, what, changed));
    };
    const QList<quint32> sizes = {0, 1, 0xFFFFFFFFu, 4096, 0x7FFFFFFFu, 0x80000000u};
    for (const quint32 width : sizes) {
        for (const quint32 height : sizes) {
            with32(QStringLiteral("%1 x %2 pixels").arg(width).arg(static_cast<qint32>(height)),
                   {{18, width}, {22, height}});
        }
    }
    for (const quint32 bits : {0u, 1u, 2u, 4u, 8u, 16u, 32u, 64u, 0xFFFFu}) {
        QByteArray changed = seed.bytes;
        putField(changed, 28, 2, bits, true);
        list.append(
            mutant(seed, Sample::HeaderSize, QStringLiteral("%1 bits a pixel").arg(bits), changed));
    }
    for (const quint32 compression : {1u, 2u, 3u, 4u, 5u, 6u, 0xFFFFFFFFu})
        with32(QStringLiteral("compression %1").arg(compression), {{30, compression}});
    const QList<QPair<int, QString>> counts = {{2, QStringLiteral("file size")},
                                               {10, QStringLiteral("pixel offset")},
                                               {14, QStringLiteral("header size")},
                                               {34, QStringLiteral("pixel data size")},
                                               {46, QStringLiteral("colours used")}};
    for (const auto& field : counts) {
        for (const quint32 value : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu})
            with32(QStringLiteral("%1 %2").arg(field.second).arg(value), {{field.first, value}});
    }
    return list;
}

QList<Sample> jpegHeaderSizes(const Sample& seed)
{
    QList<Sample> list;
    // The frame header: FF C0..C2, length, precision, height, width.
    int frame = -1;
    for (int at = 2; at + 9 < seed.bytes.size(); ++at) {
        const quint8 marker = static_cast<quint8>(seed.bytes.at(at + 1));
        if (static_cast<quint8>(seed.bytes.at(at)) == 0xFF && marker >= 0xC0 && marker <= 0xC2) {
            frame = at;
            break;
        }
    }
    if (frame < 0)
        return list;
    for (const quint32 height : {0u, 1u, 0x7FFFu, 0xFFFFu}) {
        for (const quint32 width : {0u, 1u, 0x7FFFu, 0xFFFFu}) {
            QByteArray changed = seed.bytes;
            putField(changed, frame + 5, 2, height, false);
            putField(changed, frame + 7, 2, width, false);
            list.append(mutant(seed, Sample::HeaderSize,
                               QStringLiteral("%1 x %2 pixels").arg(width).arg(height), changed));
        }
    }
    return list;
}

} // namespace

QList<Sample> Mutations::of(const QList<Sample>& seeds)
{
    QList<Sample> all = seeds;
    for (const Sample& seed : seeds)
        all += truncations(seed) + bitFlips(seed) + numericExtremes(seed) + headerSizes(seed);
    return all;
}

QList<Sample> Mutations::truncations(const Sample& seed)
{
    QList<Sample> list;
    for (const int length : positions(seed.bytes.size()))
        list.append(mutant(seed, Sample::Truncation, QStringLiteral("cut to %1 bytes").arg(length),
                           seed.bytes.left(length)));
    return list;
}

QList<Sample> Mutations::bitFlips(const Sample& seed)
{
    QList<Sample> list;
    const bool png = formatOf(seed.bytes) == Format::Png;
    for (const int at : positions(seed.bytes.size())) {
        QByteArray flipped = seed.bytes;
        const int bit = at % 8;
        flipped[at] = static_cast<char>(flipped.at(at) ^ (1 << bit));
        list.append(mutant(seed, Sample::BitFlip,
                           QStringLiteral("bit %1 of byte %2 flipped").arg(bit).arg(at),
                           png ? withFreshChecksums(flipped) : flipped));
    }
    return list;
}

QList<Sample> Mutations::numericExtremes(const Sample& seed)
{
    switch (formatOf(seed.bytes)) {
    case Format::Text: return textExtremes(seed);
    case Format::Png: return pngPixelExtremes(seed);
    default: return {};
    }
}

QList<Sample> Mutations::headerSizes(const Sample& seed)
{
    switch (formatOf(seed.bytes)) {
    case Format::Png: return pngHeaderSizes(seed);
    case Format::Bmp: return bmpHeaderSizes(seed);
    case Format::Jpeg: return jpegHeaderSizes(seed);
    default: return {};
    }
}

} // namespace Fuzz
