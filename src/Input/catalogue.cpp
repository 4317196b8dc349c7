#include "catalogue.h"

#include <iterator>

#include "atomisticsimulatorloader.h"
#include "binaryisotropicfilmdepositionloader.h"
#include "cvdloader.h"
#include "simplefilmdeposition2dloader.h"
#include "simplefilmdeposition3dloader.h"
#include "dealgroveoxidation2dloader.h"
#include "deterministicetchautomatonloader.h"
#include "drieatomisticsimulatorloader.h"
#include "fhpdepositionloader.h"
#include "fhploader.h"
#include "Interaction/interaction.h"
#include "interpolationloader.h"
#include "isotropicatomisticsimulatorloader.h"
#include "loader2d.h"
#include "multiautomataetcherloader.h"
#include "multifhpautomatonloader.h"
#include "oxidation2dloader.h"
#include "probabilisticsandautomatonloader.h"
#include "sandautomatonloader.h"
#include "simpleatomisticsimulatorloader.h"
#include "simplediffusionanalyzerloader.h"
#include "simplediffusionloader.h"
#include "siwetetchloader.h"
#include "vtsoxidationloader.h"
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
    {"Photolithographic Simulator", nullptr},
    {"Multi FHP Automaton", buildWith<MultiFhpAutomatonLoader>},
    {"2D Oxidation", buildWith<Oxidation2DLoader>},
    {"2D Oxidation (Deal-Grove)", buildWith<DealGroveOxidation2DLoader>},
    {"2D Variable Step Oxidation", buildWith<VtsOxidationLoader>},
    {"2D Continuos Film Deposition (FTS)", nullptr},
    {"2D Continuos Film Deposition (VTS)", nullptr},
    {"Isotropic Film Deposition (Envelope)", nullptr},
    {"Huygen's Source Film Deposition (Envelope)", nullptr},
    {"Simple 3D Film Etch/Deposition", nullptr},
    {"Isotropic (Envelope) 3D Film Etch/Deposition", nullptr},
    {"Microfabrication automata", nullptr},
    {"Annealing Rule", [](QWidget* parent) -> Automata::Automaton* {
         return Loader2D<bool, Automata::Interpolation::AnnealingRuleMooreNeighborhood>(parent, true).load();
     }},
    {"Linear Interpolation Rule (1D)",
     [](QWidget* parent) { return InterpolationLoader(parent, 0).loadSingleDimension(); }},
    {"Cubic Interpolation Rule (1D)",
     [](QWidget* parent) { return InterpolationLoader(parent, 1).loadSingleDimension(); }},
    {"Bilinear Interpolation Rule (2D)", nullptr},
    {"2D Film Height Deposition", nullptr},
    {"2D Film Distance Deposition", nullptr},
    {"3D Film Distance Deposition", nullptr},
    {"Variable Rectangular Neighborhood Interpolation", nullptr},
    {"Anisotropic Huygens Deposition", nullptr},
    {"Anisotropic Huygens Deposition 2", nullptr},
    {"Anisotropic Huygens Deposition 3D", nullptr},
    {"Al Etching", nullptr},
    {"Ti Nanotubes", nullptr},
    {"Diffusion", nullptr},
    {"Ti Oxidation", nullptr},
    {"Ti Anodization", nullptr},
    {"Ti Oxidation and Etching", nullptr},
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
