#include "fhpdepositionloader.h"

#include "../Automata/FhpAutomata/fhpdeposition.h"

namespace Input {

using Persistence::ImageGrids;
using Automata::FhpAutomata::FhpCell;

namespace {

// Qt's dark green (0, 128, 0), and the (0, 130, 0) it reads back as from a
// picture saved in 16-bit colour, so a saved state keeps its substrate.
bool isSubstrateColor(QRgb pixel)
{
    return ImageGrids::isRgb(pixel, 0, 128, 0) || ImageGrids::isRgb(pixel, 0, 130, 0);
}

} // namespace

FhpDepositionLoader::FhpDepositionLoader(QWidget* parent) : ImageLoader<FhpCell>(parent)
{
    readImage(&FhpDepositionLoader::convertColor);
}

FhpCell FhpDepositionLoader::convertColor(QRgb pixel)
{
    FhpCell cell;
    if (ImageGrids::isRgb(pixel, 0, 0, 0))
        cell.setParticles(FhpCell::ChannelBits);
    else if (ImageGrids::isRgb(pixel, 255, 0, 0))
        cell.setObstacle(true);
    else if (ImageGrids::isRgb(pixel, 255, 0, 255))
        cell.setSource(true);
    else if (isSubstrateColor(pixel))
        cell.setSubstrate(true);
    return cell;
}

Automata::Automaton* FhpDepositionLoader::load()
{
    return build<Automata::FhpAutomata::FhpDeposition>();
}

} // namespace Input
