#include "catalogue.h"

#include <iterator>

#include "aletchingloader.h"
#include "atomisticsimulatorloader.h"
#include "binaryisotropicfilmdepositionloader.h"
#include "continuousfilmdeposition2dloader.h"
#include "continuousfilmdepositionvts2dloader.h"
#include "cvdloader.h"
#include "simplefilmdeposition2dloader.h"
#include "simplefilmdeposition3dloader.h"
#include "simplefilmetchdeposimulatorloader.h"
#include "dealgroveoxidation2dloader.h"
#include "deterministicetchautomatonloader.h"
#include "distancecountingfilmdeposition2dloader.h"
#include "distancecountingfilmdeposition3dloader.h"
#include "drieatomisticsimulatorloader.h"
#include "fhpdepositionloader.h"
#include "fhploader.h"
#include "Interaction/interaction.h"
#include "huygensdepositionautomatonloader.h"
#include "interpolationloader.h"
#include "isotropicatomisticsimulatorloader.h"
#include "isotropicfilmdepositionloader.h"
#include "isotropicfilmetchdepoloader.h"
#include "loader2d.h"
#include "mixedautomatamanagerloader.h"
#include "multiautomataetcherloader.h"
#include "multifhpautomatonloader.h"
#include "oxidation2dloader.h"
#include "photoresistetcherloader.h"
#include "probabilisticsandautomatonloader.h"
#include "sandautomatonloader.h"
#include "simpleatomisticsimulatorloader.h"
#include "tntloader2d.h"
#include "tietchingandoxidationloader.h"
#include "tntanodizationloader2d.h"
#include "tntdiffusionloader2d.h"
#include "tntexperimentalloader.h"
#include "simplediffusionanalyzerloader.h"
#include "simplediffusionloader.h"
#include "siwetetchloader.h"
#include "vtsoxidationloader.h"
#include "../Automata/FilmDeposition/heightcountingfilmdeposition2d.h"
#include "../Automata/Interpolation/annealingrulemooreneighborhood.h"

namespace Input {

namespace {

const CatalogueEntry entries[] = {
    {"Sand Automaton", buildWith<SandAutomatonLoader>},
    {"Probabilistic Sand Automaton", buildWith<ProbabilisticSandAutomatonLoader>},
    {"1D Diffusion", buildWith<SimpleDiffusionLoader>},
    {"1D Diffusion Analysis", buildWith<SimpleDiffusionAnalyzerLoader>},
    {"FHP", buildWith<FhpLoader>},
    {"FHP Deposition", buildWith<FhpDepositionLoader>},
    {"Si Etch", buildWith<DeterministicEtchAutomatonLoader>},
    {"2D Film Deposition", buildWith<SimpleFilmDeposition2DLoader>},
    {"3D Film Deposition", buildVariant<SimpleFilmDeposition3DLoader, 1>},
    {"Octree", buildWith<SiWetEtchLoader>},
    {"Atomistic Simulator", buildWith<AtomisticSimulatorLoader>},
    {"Isotropic Atomistic Simulator", buildWith<IsotropicAtomisticSimulatorLoader>},
    {"Simple Atomistic Simulator", buildWith<SimpleAtomisticSimulatorLoader>},
    {"DRIE Atomistic Simulator", buildWith<DrieAtomisticSimulatorLoader>},
    {"Multi-Automata Etcher", buildWith<MultiAutomataEtcherLoader>},
    {"CVD Binary 2D Automaton", buildWith<CvdLoader>},
    {"Isotropic GA", buildWith<BinaryIsotropicFilmDepositionLoader>},
    {"Photolithographic Simulator", buildWith<PhotoresistEtcherLoader>},
    {"Multi FHP Automaton", buildWith<MultiFhpAutomatonLoader>},
    {"2D Oxidation", buildWith<Oxidation2DLoader>},
    {"2D Oxidation (Deal-Grove)", buildWith<DealGroveOxidation2DLoader>},
    {"2D Variable Step Oxidation", buildWith<VtsOxidationLoader>},
    {"2D Continuos Film Deposition (FTS)", buildWith<ContinuousFilmDeposition2DLoader>},
    {"2D Continuos Film Deposition (VTS)", buildWith<ContinuousFilmDepositionVts2DLoader>},
    {"Isotropic Film Deposition (Envelope)", buildWith<IsotropicFilmDepositionLoader>},
    {"Huygen's Source Film Deposition (Envelope)", buildVariant<HuygensDepositionAutomatonLoader, 0>},
    {"Simple 3D Film Etch/Deposition", buildWith<SimpleFilmEtchDepoSimulatorLoader>},
    {"Isotropic (Envelope) 3D Film Etch/Deposition", buildWith<IsotropicFilmEtchDepoLoader>},
    {"Microfabrication automata", buildWith<MixedAutomataManagerLoader>},
    {"Annealing Rule", [](QWidget* parent) -> Automata::Automaton* {
         return Loader2D<bool, Automata::Interpolation::AnnealingRuleMooreNeighborhood>(parent, true).load();
     }},
    {"Linear Interpolation Rule (1D)",
     [](QWidget* parent) { return InterpolationLoader(parent, 0).loadSingleDimension(); }},
    {"Cubic Interpolation Rule (1D)",
     [](QWidget* parent) { return InterpolationLoader(parent, 1).loadSingleDimension(); }},
    {"Bilinear Interpolation Rule (2D)",
     [](QWidget* parent) { return InterpolationLoader(parent, 0).loadTwoDimensional(); }},
    {"2D Film Height Deposition", [](QWidget*) -> Automata::Automaton* {
         return new Automata::FilmDeposition::HeightCountingFilmDeposition2D;
     }},
    {"2D Film Distance Deposition", buildWith<DistanceCountingFilmDeposition2DLoader>},
    {"3D Film Distance Deposition", buildWith<DistanceCountingFilmDeposition3DLoader>},
    {"Variable Rectangular Neighborhood Interpolation",
     [](QWidget* parent) { return InterpolationLoader(parent, 1).loadTwoDimensional(); }},
    {"Anisotropic Huygens Deposition", buildVariant<HuygensDepositionAutomatonLoader, 1>},
    {"Anisotropic Huygens Deposition 2", buildVariant<HuygensDepositionAutomatonLoader, 2>},
    {"Anisotropic Huygens Deposition 3D", buildVariant<SimpleFilmDeposition3DLoader, 2>},
    {"Al Etching", buildWith<AlEtchingLoader>},
    {"Ti Nanotubes", buildWith<TNTLoader2D>},
    {"Diffusion", buildWith<TNTExperimentalLoader>},
    {"Ti Oxidation", buildWith<TNTDiffusionLoader2D>},
    {"Ti Anodization", buildWith<TNTAnodizationLoader2D>},
    {"Ti Oxidation and Etching", buildWith<TiEtchingAndOxidationLoader>},
};

} // namespace

int Catalogue::size()
{
    return static_cast<int>(std::size(entries));
}

const CatalogueEntry* Catalogue::entry(int index)
{
    if (index < 0 || index >= size())
        return nullptr;
    return &entries[index];
}

QStringList Catalogue::labels()
{
    QStringList list;
    for (const CatalogueEntry& e : entries)
        list.append(QString::fromUtf8(e.label));
    return list;
}

int Catalogue::indexOf(const QString& label)
{
    return labels().indexOf(label);
}

Automata::Automaton* AutomatonFactory(int index, QWidget* parent)
{
    const CatalogueEntry* e = Catalogue::entry(index);
    if (!e)
        return nullptr;
    if (!e->build) {
        Interaction::interaction().information(parent, QStringLiteral("Lithoscope"),
                                  QStringLiteral("\"%1\" is not available in this version.")
                                      .arg(QString::fromUtf8(e->label)));
        return nullptr;
    }
    return e->build(parent);
}

} // namespace Input
