#pragma once

#include <QList>

#include "sample.h"

namespace Fuzz {

// A fixed set of mutations of each seed, the same on every run: every
// truncation of a small seed (of a larger one, within its first bytes and at
// even steps after them), one bit flipped in each byte likewise, numbers set
// to extremes (in a picture, whole channels), and header sizes (picture and
// chunk dimensions, pixel formats) set to extremes. Pictures keep their
// checksums valid, so that a change reaches the decoder instead of failing
// its CRC.
class Mutations {
public:
    // The seeds, then every mutation of each.
    static QList<Sample> of(const QList<Sample>& seeds);

    static QList<Sample> truncations(const Sample& seed);
    static QList<Sample> bitFlips(const Sample& seed);
    static QList<Sample> numericExtremes(const Sample& seed);
    static QList<Sample> headerSizes(const Sample& seed);

    // Seeds up to this size are cut and flipped at every byte; larger ones
    // within their first `headBytes` bytes and at `laterPositions` positions
    // after them.
    static constexpr int smallSeed = 256;
    static constexpr int headBytes = 64;
    static constexpr int laterPositions = 32;
};

} // namespace Fuzz
