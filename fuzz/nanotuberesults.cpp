#include "fuzzing.h"

#include <memory>

#include "Automata/NanoTubes/combinedetchingoxidation.h"
#include "Automata/NanoTubes/nanotubeanodization.h"
#include "Automata/NanoTubes/nanotubeoxidationautomaton.h"
#include "Automata/NanoTubes/particlefiles.h"
#include "Input/tietchingandoxidationloader.h"
#include "Input/tntanodizationloader2d.h"
#include "Input/tntdiffusionloader2d.h"

namespace {

using namespace Automata::NanoTubes;

// Reads the bytes as a result table of model M; one that reads is held to
// the layout's promises and the model built from it runs a step.
template <typename M, typename L, int Species>
bool readAs(const QByteArray& bytes)
{
    const ParticleResults::Data data = M::readResults(bytes);
    if (!data.ok()) {
        Fuzz::require(data.badLine >= 1 && data.grids.empty(), "a table refused without its line, or half read");
        return false;
    }
    const std::size_t cells = static_cast<std::size_t>(data.width) * data.height;
    Fuzz::require(data.width >= 1 && data.height >= 1, "a lattice without cells");
    for (std::size_t g = 0; g < data.grids.size(); ++g)
        Fuzz::require(data.grids[g].size() == cells * M::fileLayout().grids[g], "a grid of the wrong size");
    for (std::uint32_t phase : data.grids[0])
        Fuzz::require(phase <= 3, "a phase outside the four");
    Fuzz::require(ParticleFiles::parametersOf(data, M::fileLayout()).problem(Species).text.isEmpty(),
                  "parameters the model cannot run with");
    if (!L::modelCheck(data.width, data.height).fits())
        return true;
    std::unique_ptr<M> model(new M(data));
    model->step();
    return true;
}

} // namespace

// The result tables of the three titanium particle models: each reader
// gives a whole table or the line it stopped at, and a table that reads
// builds a model that steps.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TestSupport::BudgetScope budget(Fuzz::budget);
    const QByteArray bytes = Fuzz::bytes(data, size);
    bool read = readAs<NanotubeOxidationAutomaton, Input::TNTDiffusionLoader2D, 1>(bytes);
    read = readAs<NanotubeAnodization, Input::TNTAnodizationLoader2D, 1>(bytes) || read;
    read = readAs<CombinedEtchingOxidation, Input::TiEtchingAndOxidationLoader, 2>(bytes) || read;
    Fuzz::record(read ? Fuzz::Outcome::Result : Fuzz::Outcome::Refusal);
    return 0;
}
