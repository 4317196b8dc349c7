#pragma once

#include "exptitcell.h"
#include "particlelattice.h"

namespace Automata::NanoTubes {

using NanotubeOxidationThread = ParticleThread;

// Oxygen particles diffusing from an electrolyte into titanium: particles
// reaching a Ti cell react in pairs with its atoms, and a Ti cell without
// atoms becomes oxide. Every phase has its own stay probability; the rest of
// a cell's particles move evenly north, south, east and west.
class NanotubeOxidationAutomaton : public ParticleLattice<ExpTiCell> {
public:
    NanotubeOxidationAutomaton(int width, int height, const int* codes, const Parameters& parameters = {});
    // Continues a run from a result file that read without fault.
    explicit NanotubeOxidationAutomaton(const ParticleResults::Data& data);

    const float* getColor(const ExpTiCell& cell) override;

    static int convertColor(int red, int green, int blue) { return phaseFromColor(red, green, blue); }

    // The file layout and its reader: a result file as bytes to its data,
    // or the first line that is not what the file must hold.
    static const ParticleResults::Layout& fileLayout();
    static ParticleResults::Data readResults(const QByteArray& bytes);

protected:
    void gatherRange(std::size_t begin, std::size_t end, int k) override;
    void measure() override;
    const ParticleResults::Layout& layout() const override { return fileLayout(); }
    std::uint32_t gridValue(int g, std::size_t i, int j) const override;
};

} // namespace Automata::NanoTubes
