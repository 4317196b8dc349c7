#pragma once

#include "particlelattice.h"
#include "tianodizationcell.h"

namespace Automata::NanoTubes {

using NanotubeAnodizationThread = ParticleThread;

// The oxidation model under an applied electric field: inside the Ti oxide
// the oxygen drifts south, towards the metal, by a share that grows with the
// field and the cell size. Without a field it is the oxidation model.
class NanotubeAnodization : public ParticleLattice<TiAnodizationCell> {
public:
    NanotubeAnodization(int width, int height, const int* codes, const Parameters& parameters = {});
    explicit NanotubeAnodization(const ParticleResults::Data& data);

    const float* getColor(const TiAnodizationCell& cell) override;

    static int convertColor(int red, int green, int blue) { return phaseFromColor(red, green, blue); }
    static const ParticleResults::Layout& fileLayout();
    static ParticleResults::Data readResults(const QByteArray& bytes);

    // The shares of a cell of the phase: the oxide's vertical half is split
    // south m/4 + d/2 and north m/4 - d/2, d = m * a * 7.98109 * E kept
    // within 0 .. m/2 (m the moving share); other phases move evenly.
    static ParticleRules::Shares sharesOf(const Parameters& parameters, std::uint32_t phase);

protected:
    void gatherRange(std::size_t begin, std::size_t end, int k) override;
    void measure() override;
    const ParticleResults::Layout& layout() const override { return fileLayout(); }
    std::uint32_t gridValue(int g, std::size_t i, int j) const override;

private:
    // Sets every cell's field pair from its phase: (0, E) in the oxide, (0, 0)
    // elsewhere. A step sets the pairs of the cells it writes.
    void refreshFields();

    ParticleRules::Shares shares[4];
};

} // namespace Automata::NanoTubes
