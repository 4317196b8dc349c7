#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/filmcelltypecomparer.h"
#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "Automata/Surfaces/cellsurface.h"
#include "Automata/Surfaces/referencematch.h"
#include "Automata/painter3d.h"
#include "filmtesthelpers.h"

using namespace Automata::FilmDeposition;
using Automata::Surfaces::CellSurface;
using Automata::Surfaces::SurfaceTriangle;

namespace {

using SameMaterial = Automata::Surfaces::ReferenceMatch<FilmCell, FilmCellTypeComparer>;
const SameMaterial isFilm(FilmCell::filmReference());

// A volume of empty voxels with a film box over [lo, hi] on every axis.
std::vector<FilmCell> boxVolume(int size, int lo, int hi)
{
    std::vector<FilmCell> cells(static_cast<std::size_t>(size) * size * size);
    for (int x = lo; x <= hi; ++x)
        for (int y = lo; y <= hi; ++y)
            for (int z = lo; z <= hi; ++z)
                cells[(static_cast<std::size_t>(x) * size + y) * size + z].type = Film;
    return cells;
}

// Every edge is shared by exactly two triangles, every normal has unit length
// and is the same for the three vertices, and every normal points away from
// the centre of the box (the normal (P2 - P0) x (P1 - P0) with the standard
// tables and this corner numbering points out of the material). facing -1
// asks for normals toward the centre instead.
void expectClosedOutwardSurface(const CellSurface& surface, float centre, float facing = 1.0f)
{
    using Point = std::tuple<float, float, float>;
    ASSERT_FALSE(surface.isEmpty());
    std::map<std::pair<Point, Point>, int> edgeUse;
    for (const SurfaceTriangle& t : surface.getTriangles()) {
        float outward = 0.0f;
        for (int i = 0; i < 3; ++i) {
            const float* p = t.vertices[i].position;
            const float* q = t.vertices[(i + 1) % 3].position;
            Point a(p[0], p[1], p[2]);
            Point b(q[0], q[1], q[2]);
            ++edgeUse[{std::min(a, b), std::max(a, b)}];
            const float* n = t.vertices[i].normal;
            EXPECT_NEAR(1.0f, std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]), 1e-5f);
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(t.vertices[0].normal[k], n[k]);
                outward += (p[k] - centre) * t.vertices[0].normal[k];
            }
        }
        EXPECT_GT(facing * outward, 0.0f);
    }
    for (const auto& use : edgeUse)
        EXPECT_EQ(2, use.second) << "an edge is not shared by exactly two triangles";
}

} // namespace

TEST(CellSurface, ClosedSurfacesShutAtTheFacesOpenOnesLeaveMaterialThereOpen)
{
    // Inside the volume, away from every face.
    const std::vector<FilmCell> inner = boxVolume(10, 2, 6);
    const CellSurface surface = CellSurface::closed(10, 10, 10, inner.data(), isFilm);
    EXPECT_TRUE(surface.isClosed());
    expectClosedOutwardSurface(surface, 4.0f);
    const std::vector<FilmCell> small = boxVolume(9, 2, 4);
    const CellSurface open = CellSurface::open(9, 9, 9, small.data(), isFilm);
    EXPECT_FALSE(open.isClosed());
    expectClosedOutwardSurface(open, 3.0f);

    // Filling the whole volume: the closed variant shuts the surface at the
    // faces, the open one has none, every cube lying inside the material.
    const std::vector<FilmCell> full = boxVolume(6, 0, 5);
    expectClosedOutwardSurface(CellSurface::closed(6, 6, 6, full.data(), isFilm), 2.5f);
    const std::vector<FilmCell> fullOpen = boxVolume(7, 0, 6);
    EXPECT_TRUE(CellSurface::open(7, 7, 7, fullOpen.data(), isFilm).isEmpty());
}

TEST(CellSurface, AnyCellTypeGivesTheSameTrianglesAndBeyondMayReadAsMaterial)
{
    // The box as integer state 3 among states 0 and 1: the same voxels, so the
    // same triangles and normals as the film box.
    const std::vector<FilmCell> films = boxVolume(9, 1, 5);
    std::vector<int> states(films.size());
    for (std::size_t i = 0; i < states.size(); ++i)
        states[i] = films[i].type == Film ? 3 : static_cast<int>(i % 2);
    const auto isThree = [](int state) { return state == 3; };
    const CellSurface fromStates = CellSurface::closed(9, 9, 9, states.data(), isThree);
    const CellSurface fromFilms =
        CellSurface::closed(9, 9, 9, films.data(), isFilm, FilmCell::outsideCell());
    ASSERT_EQ(fromFilms.triangleCount(), fromStates.triangleCount());
    EXPECT_EQ(0, std::memcmp(fromStates.getTriangles().data(), fromFilms.getTriangles().data(),
                             fromStates.triangleCount() * sizeof(SurfaceTriangle)));

    // With material beyond the faces, an empty volume is a closed cavity
    // around the sampled voxels 1, 3, 5, its normals facing into it.
    const std::vector<int> hollow(6 * 6 * 6, 0);
    EXPECT_TRUE(CellSurface::closed(6, 6, 6, hollow.data(), isThree).isEmpty());
    expectClosedOutwardSurface(CellSurface::closed(6, 6, 6, hollow.data(), isThree, 3), 3.0f,
                               -1.0f);
}

TEST(CellSurface, VerticesAreEdgeMidpointsOfSideTwoCubes)
{
    // A single film voxel at (1, 1, 1), corner 5 of the first closed cube (-1, -1, -1).
    std::vector<FilmCell> cells(4 * 4 * 4);
    cells[(1 * 4 + 1) * 4 + 1].type = Film;
    const CellSurface surface = CellSurface::closed(4, 4, 4, cells.data(), isFilm);
    ASSERT_FALSE(surface.isEmpty());
    for (const SurfaceTriangle& t : surface.getTriangles()) {
        for (const SurfaceTriangle::Vertex& v : t.vertices) {
            // Midpoints of cube edges: two coordinates odd, one even, in -1 .. 3.
            int even = 0;
            for (const float c : v.position) {
                EXPECT_TRUE(c == std::floor(c) && c >= -1.0f && c <= 3.0f) << c;
                even += static_cast<int>(c) % 2 == 0;
            }
            EXPECT_EQ(1, even);
        }
    }
}

TEST(Painter3D, ExtractsOneSurfacePerTypeAndFollowsUpdates)
{
    const std::vector<FilmCell> cells = FilmTest::heightVolume(6, 6, 8, std::vector<int>(36, 2));
    SimpleFilmDeposition3D model(6, 6, 8, cells.data());
    Automata::Painter3D<FilmCell, FilmCellTypeComparer> painter(
        &model, {FilmCell(Film, 0.0f), FilmCell(Substrate, 1.0f)});
    ASSERT_EQ(2u, painter.getSurfaces().size());
    // Matched by type: the references' values play no part.
    EXPECT_TRUE(painter.getSurfaces()[0].isEmpty());
    EXPECT_FALSE(painter.getSurfaces()[1].isEmpty());

    model.step();
    model.step();
    EXPECT_TRUE(painter.getSurfaces()[0].isEmpty()); // until update()
    painter.update();
    const CellSurface expected = CellSurface::open(6, 6, 8, model.getCells(), isFilm);
    EXPECT_FALSE(expected.isEmpty());
    EXPECT_EQ(expected.triangleCount(), painter.getSurfaces()[0].triangleCount());
}
