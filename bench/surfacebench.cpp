// Times one extraction of the film and substrate surfaces of a 3D film
// deposition volume built from a height map and grown for ten steps, as
// "Generate Surface" does, then the same for the six material surfaces of
// the film stack model on that height map, after three steps of oxide and
// four of Film 1; with --distance, the five surfaces of the 3D
// distance-counting volume after 40 steps of film.
//
// Usage: lithoscope-surface-bench [--distance] HEIGHTMAP [RUNS]

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>

#include "Automata/FilmDeposition/distancecountingfilmdeposition3d.h"
#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "Automata/MixedAutomata/simplefilmetchdeposimulator3d.h"
#include "Input/catalogue.h"
#include "Interaction/scriptedinteraction.h"

namespace {

// The median time of `runs` calls of operation, in milliseconds.
template <typename Operation>
double medianMilliseconds(int runs, Operation operation)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        operation();
        milliseconds.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    return milliseconds[milliseconds.size() / 2];
}

// The distance-counting volume's "Generate Surface": five surfaces at once.
int benchDistanceSurfaces(const QString& heightMap, int runs)
{
    Interaction::ScriptedInteraction script;
    Interaction::Interaction::install(&script);
    script.queueOpenFile(heightMap);
    std::unique_ptr<Automata::Automaton> model(Input::AutomatonFactory(
        Input::Catalogue::indexOf(QStringLiteral("3D Film Distance Deposition")), nullptr));
    auto* volume = dynamic_cast<Automata::FilmDeposition::DistanceCountingFilmDeposition3D*>(model.get());
    if (!volume) {
        std::fprintf(stderr, "could not build the volume from %s\n", qPrintable(heightMap));
        return 3;
    }
    for (int i = 0; i < 40; ++i)
        volume->step();
    const double median = medianMilliseconds(runs, [volume] { volume->regenerateSurfaces(); });
    std::size_t triangles = 0;
    for (int t = 1; t <= 5; ++t)
        triangles += volume->surface(t).triangleCount();
    std::printf("surface: volume=%dx%dx%d triangles=%zu median_ms=%.1f\n", volume->getWidth(),
                volume->getHeight(), volume->getDepth(), triangles,
                median);
    script.closeForms();
    model.reset();
    Interaction::Interaction::install(nullptr);
    return 0;
}

// Prints the median time of runs extractions of the film stack's six surfaces;
// false when the model could not be built.
bool timeFilmStack(Interaction::ScriptedInteraction& script, const QString& heightMap, int runs)
{
    script.queueOpenFile(heightMap);
    std::unique_ptr<Automata::Automaton> model(Input::AutomatonFactory(
        Input::Catalogue::indexOf(QStringLiteral("Simple 3D Film Etch/Deposition")), nullptr));
    auto* stack = dynamic_cast<Automata::MixedAutomata::SimpleFilmEtchDepoSimulator3D*>(model.get());
    if (!stack)
        return false;
    for (int i = 0; i < 7; ++i) {
        stack->setCurrentFilm(i < 3 ? 2 : 3);
        stack->step();
    }
    const double median = medianMilliseconds(runs, [stack] { stack->regenerateSurfaces(); });
    std::size_t triangles = 0;
    for (int material = 1; material <= stack->materialCount; ++material)
        triangles += stack->surface(material).triangleCount();
    std::printf("surface: case=film-stack volume=%dx%dx%d triangles=%zu median_ms=%.1f\n",
                stack->getWidth(), stack->getHeight(), stack->getDepth(), triangles, median);
    script.closeForms();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: lithoscope-surface-bench HEIGHTMAP [RUNS]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (QString::fromLocal8Bit(argv[1]) == QLatin1String("--distance")) {
        if (argc < 3) {
            std::fprintf(stderr, "usage: lithoscope-surface-bench --distance HEIGHTMAP [RUNS]\n");
            return 2;
        }
        return benchDistanceSurfaces(QString::fromLocal8Bit(argv[2]),
                                     argc > 3 ? std::max(1, std::atoi(argv[3])) : 3);
    }
    Interaction::ScriptedInteraction script;
    Interaction::Interaction::install(&script);
    script.queueOpenFile(QString::fromLocal8Bit(argv[1]));
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    std::unique_ptr<Automata::Automaton> model(
        Input::AutomatonFactory(Input::Catalogue::indexOf(QStringLiteral("3D Film Deposition")),
                                nullptr));
    auto* volume = dynamic_cast<Automata::FilmDeposition::SimpleFilmDeposition3D*>(model.get());
    if (!volume) {
        std::fprintf(stderr, "could not build the volume from %s\n", argv[1]);
        return 3;
    }
    // Some film first, so both surfaces are there to extract.
    for (int i = 0; i < 10; ++i)
        volume->step();
    const double median = medianMilliseconds(runs, [volume] { volume->regenerateSurfaces(); });
    std::printf("surface: volume=%dx%dx%d triangles=%zu median_ms=%.1f\n", volume->getWidth(),
                volume->getHeight(), volume->getDepth(),
                volume->filmSurface().triangleCount() + volume->substrateSurface().triangleCount(),
                median);
    if (!timeFilmStack(script, QString::fromLocal8Bit(argv[1]), runs)) {
        std::fprintf(stderr, "could not build the film stack from %s\n", argv[1]);
        return 3;
    }
    Interaction::Interaction::install(nullptr);
    return 0;
}
