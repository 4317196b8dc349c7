#include "fhploader.h"

#include "../Automata/FhpAutomata/fhpautomaton.h"

namespace Input {

using Persistence::ImageGrids;
using Automata::FhpAutomata::FhpCell;

FhpLoader::FhpLoader(QWidget* parent) : ImageLoader<FhpCell>(parent)
{
    readImage(&FhpLoader::convertColor);
}

FhpCell FhpLoader::convertColor(QRgb pixel)
{
    FhpCell cell;
    if (ImageGrids::isRgb(pixel, 0, 0, 0)) {
        cell.setParticles(FhpCell::ChannelBits);
    } else if (ImageGrids::isRgb(pixel, 255, 0, 0)) {
        cell.setObstacle(true);
    } else if (qRed(pixel) == qBlue(pixel) && qGreen(pixel) == 0) {
        cell.setSource(true);
        cell.setSourceLevel(static_cast<float>(qRed(pixel)) / 255.0f);
    }
    return cell;
}

Automata::Automaton* FhpLoader::load()
{
    return build<Automata::FhpAutomata::FhpAutomaton>();
}

} // namespace Input
