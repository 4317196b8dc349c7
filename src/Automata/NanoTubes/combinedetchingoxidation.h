#pragma once

#include "combinedcell.h"
#include "particlelattice.h"

namespace Automata::NanoTubes {

using CombinedEtchOxThread = ParticleThread;

// Oxygen and fluorine diffusing on one lattice: oxygen oxidises Ti (two
// particles an atom) into oxide units, fluorine dissolves the units (six
// particles a unit), and a cell with neither atoms nor units left is etched
// through to electrolyte. Both species share the stay probabilities and
// sides and have their own reservoir densities.
class CombinedEtchingOxidation : public ParticleLattice<CombinedCell> {
public:
    // The field of the parameters is kept and written, not used.
    CombinedEtchingOxidation(int width, int height, const int* codes, const Parameters& parameters = {});
    explicit CombinedEtchingOxidation(const ParticleResults::Data& data);

    const float* getColor(const CombinedCell& cell) override;

    static int convertColor(int red, int green, int blue) { return phaseFromColor(red, green, blue); }
    static const ParticleResults::Layout& fileLayout();
    static ParticleResults::Data readResults(const QByteArray& bytes);

protected:
    void gatherRange(std::size_t begin, std::size_t end, int k) override;
    void measure() override;
    const ParticleResults::Layout& layout() const override { return fileLayout(); }
    std::uint32_t gridValue(int g, std::size_t i, int j) const override;
};

} // namespace Automata::NanoTubes
