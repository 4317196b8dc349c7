#include "binaryisotropicfilmdeposition.h"

#include <algorithm>
#include <array>

#include "../../Persistence/automatonarchiver.h"
#include "binaryisotropicfilmdepositionpainter.h"

namespace Automata {
namespace FilmDeposition {

namespace {

// The rule as 256 binary digits in index order, 32 per line.
const char* const ruleDigits[8] = {
    "00010111110001111100111111010111", "01000000100011111110100101101101",
    "10101010011010111010110011000011", "00011110001111101011110011100111",
    "00100001001001001001011100000001", "00111100011111110010001011001100",
    "01011101111010100011100101001001", "00010110010100100101011011111101",
};

const std::array<bool, 256>& ruleTable()
{
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> entries{};
        for (int i = 0; i < 256; ++i)
            entries[static_cast<std::size_t>(i)] = ruleDigits[i / 32][i % 32] == '1';
        return entries;
    }();
    return table;
}

} // namespace

BinaryIsotropicFilmDeposition::BinaryIsotropicFilmDeposition(int width, int height,
                                                             const bool* initial)
    : Automaton2D<bool>(width, height)
{
    std::copy(initial, initial + cellCount(), cells);
    std::copy(initial, initial + cellCount(), nextCells);
    painter = new BinaryIsotropicFilmDepositionPainter(this);
    archiver = new Persistence::AutomatonArchiver;
}

bool BinaryIsotropicFilmDeposition::rule(int index)
{
    return ruleTable()[static_cast<std::size_t>(index & 0xFF)];
}

void BinaryIsotropicFilmDeposition::step()
{
    const std::array<bool, 256>& table = ruleTable();
    const int w = width;
    const int h = height;
    for (int x = 0; x < w; ++x) {
        const bool* left = cells + static_cast<std::size_t>((x + w - 1) % w) * h;
        const bool* middle = cells + static_cast<std::size_t>(x) * h;
        const bool* right = cells + static_cast<std::size_t>((x + 1) % w) * h;
        bool* to = nextCells + static_cast<std::size_t>(x) * h;
        for (int y = 0; y < h; ++y) {
            if (middle[y]) {
                to[y] = true;
                continue;
            }
            const int down = (y + h - 1) % h;
            const int up = (y + 1) % h;
            const int index = left[down] << 0 | left[y] << 1 | left[up] << 2 | middle[down] << 3
                              | middle[up] << 4 | right[down] << 5 | right[y] << 6
                              | right[up] << 7;
            to[y] = table[static_cast<std::size_t>(index)];
        }
    }
    finishStep();
}

void BinaryIsotropicFilmDeposition::save()
{
    saveImage();
}

void BinaryIsotropicFilmDeposition::exportImage(unsigned char* red, unsigned char* green,
                                                unsigned char* blue)
{
    for (std::size_t i = 0; i < cellCount(); ++i)
        red[i] = green[i] = blue[i] = cells[i] ? 0 : 255;
}

} // namespace FilmDeposition
} // namespace Automata
