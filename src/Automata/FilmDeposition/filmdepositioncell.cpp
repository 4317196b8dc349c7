#include "filmdepositioncell.h"

namespace Automata {
namespace FilmDeposition {

const float filmDepositionColorTable[filmDepositionColorCount][3] = {
    {1.0f, 0.0f, 0.0f}, // Substrate
    {0.7f, 0.7f, 0.0f}, // Film
    {1.0f, 1.0f, 1.0f}, // Empty
    {0.7f, 0.7f, 0.7f}, // Silicon
    {0.1f, 0.1f, 0.4f}, // Oxide
};

const unsigned char filmDepositionByteColorTable[filmDepositionColorCount][3] = {
    {255, 0, 0},     // Substrate
    {178, 178, 0},   // Film
    {255, 255, 255}, // Empty
    {178, 178, 178}, // Silicon
    {25, 25, 102},   // Oxide
};

namespace {

int colorIndex(FilmDepositionCell type)
{
    const int value = static_cast<int>(type);
    return value >= 0 && value < filmDepositionColorCount ? value : static_cast<int>(Empty);
}

} // namespace

const float* filmDepositionColor(FilmDepositionCell type)
{
    return filmDepositionColorTable[colorIndex(type)];
}

const unsigned char* filmDepositionByteColor(FilmDepositionCell type)
{
    return filmDepositionByteColorTable[colorIndex(type)];
}

} // namespace FilmDeposition
} // namespace Automata
