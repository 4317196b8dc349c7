#include <cmath>
#include <map>
#include <tuple>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/cellsurface.h"
#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "Automata/painter3d.h"
#include "filmtesthelpers.h"

using namespace Automata::FilmDeposition;

namespace {

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

using Point = std::tuple<float, float, float>;

Point pointOf(const float* p)
{
    return Point(p[0], p[1], p[2]);
}

// How many triangles use each undirected edge.
std::map<std::pair<Point, Point>, int> edgeUse(const CellSurface& surface)
{
    std::map<std::pair<Point, Point>, int> uses;
    for (const SurfaceTriangle& t : surface.getTriangles()) {
        for (int i = 0; i < 3; ++i) {
            Point a = pointOf(t.vertices[i].position);
            Point b = pointOf(t.vertices[(i + 1) % 3].position);
            if (b < a)
                std::swap(a, b);
            ++uses[{a, b}];
        }
    }
    return uses;
}

// +1 when every normal points away from the centre, -1 when every normal
// points towards it, 0 when they disagree.
int facing(const CellSurface& surface, float centre)
{
    int outward = 0;
    int inward = 0;
    for (const SurfaceTriangle& t : surface.getTriangles()) {
        float dot = 0.0f;
        for (int k = 0; k < 3; ++k) {
            const float c = (t.vertices[0].position[k] + t.vertices[1].position[k]
                             + t.vertices[2].position[k]) / 3.0f;
            dot += (c - centre) * t.vertices[0].normal[k];
        }
        (dot > 0.0f ? outward : inward) += 1;
    }
    if (inward == 0)
        return 1;
    if (outward == 0)
        return -1;
    return 0;
}

void expectClosedUnitSurface(const CellSurface& surface)
{
    ASSERT_FALSE(surface.isEmpty());
    for (const auto& use : edgeUse(surface))
        EXPECT_EQ(2, use.second) << "an edge is not shared by exactly two triangles";
    for (const SurfaceTriangle& t : surface.getTriangles()) {
        for (const SurfaceTriangle::Vertex& v : t.vertices) {
            const float length = std::sqrt(v.normal[0] * v.normal[0] + v.normal[1] * v.normal[1]
                                           + v.normal[2] * v.normal[2]);
            EXPECT_NEAR(1.0f, length, 1e-5f);
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(t.vertices[0].normal[k], v.normal[k]);
        }
    }
}

} // namespace

TEST(CellSurface, ClosedSurfaceAroundABoxIsWatertightWithUnitNormalsFacingOneSide)
{
    // Inside the volume, away from every face.
    const std::vector<FilmCell> inner = boxVolume(10, 2, 6);
    const CellSurface surface =
        CellSurface::closed(10, 10, 10, inner.data(), FilmCell::filmReference());
    EXPECT_TRUE(surface.isClosed());
    EXPECT_EQ(2, surface.getCubeSize());
    expectClosedUnitSurface(surface);
    // The normal (P2 - P0) x (P1 - P0) with the standard tables and this
    // corner numbering points out of the material.
    EXPECT_EQ(1, facing(surface, 4.0f));

    // Filling the whole volume: the closed variant shuts the surface at the faces.
    const std::vector<FilmCell> full = boxVolume(6, 0, 5);
    const CellSurface atFaces =
        CellSurface::closed(6, 6, 6, full.data(), FilmCell::filmReference());
    expectClosedUnitSurface(atFaces);
    EXPECT_EQ(1, facing(atFaces, 2.5f));
}

TEST(CellSurface, OpenSurfaceLeavesMaterialAtTheFacesOpen)
{
    const std::vector<FilmCell> full = boxVolume(7, 0, 6);
    const CellSurface open = CellSurface::open(7, 7, 7, full.data(), FilmCell::filmReference());
    EXPECT_FALSE(open.isClosed());
    // Every cube lies inside the material: nothing to separate.
    EXPECT_TRUE(open.isEmpty());

    const std::vector<FilmCell> inner = boxVolume(9, 2, 4);
    const CellSurface around = CellSurface::open(9, 9, 9, inner.data(), FilmCell::filmReference());
    expectClosedUnitSurface(around);
}

TEST(CellSurface, VerticesAreEdgeMidpointsOfSideTwoCubes)
{
    // A single film voxel at a corner of the first closed cube (-1, -1, -1):
    // corner 5 of that cube is (1, 1, 1).
    std::vector<FilmCell> cells(4 * 4 * 4);
    cells[(1 * 4 + 1) * 4 + 1].type = Film;
    const CellSurface surface =
        CellSurface::closed(4, 4, 4, cells.data(), FilmCell::filmReference());
    ASSERT_FALSE(surface.isEmpty());
    for (const SurfaceTriangle& t : surface.getTriangles()) {
        for (const SurfaceTriangle::Vertex& v : t.vertices) {
            // Midpoints of cube edges: two coordinates odd, one even, in -1 .. 3.
            int even = 0;
            for (int k = 0; k < 3; ++k) {
                const float c = v.position[k];
                EXPECT_EQ(c, std::floor(c));
                EXPECT_GE(c, -1.0f);
                EXPECT_LE(c, 3.0f);
                even += static_cast<int>(c) % 2 == 0;
            }
            EXPECT_EQ(1, even);
        }
    }
}

TEST(CellSurface, ComparerDecidesWhatBelongsToTheMaterial)
{
    std::vector<FilmCell> cells = boxVolume(8, 2, 5);
    for (FilmCell& cell : cells)
        cell.value = 3.0f;
    // Matching by type ignores the value the reference carries.
    const CellSurface byType = CellSurface::closed(8, 8, 8, cells.data(), FilmCell(Film, 0.0f));
    EXPECT_FALSE(byType.isEmpty());
    struct SameValue {
        bool operator()(const FilmCell& a, const FilmCell& b) const { return a.value == b.value; }
    };
    // Every voxel has the reference value: no boundary inside, only the faces.
    const CellSurface byValue = CellSurface::closed(8, 8, 8, cells.data(), FilmCell(Film, 3.0f),
                                                    FilmCell(Empty, 1.0f), SameValue());
    expectClosedUnitSurface(byValue);
    EXPECT_EQ(1, facing(byValue, 3.5f));
}

TEST(Painter3D, ExtractsOneSurfacePerTypeAndFollowsUpdates)
{
    std::vector<int> heights(6 * 6, 2);
    const std::vector<FilmCell> cells = FilmTest::heightVolume(6, 6, 8, heights);
    SimpleFilmDeposition3D model(6, 6, 8, cells.data());
    Automata::Painter3D<FilmCell, FilmCellTypeComparer> painter(
        &model, {FilmCell(Film, 0.0f), FilmCell(Substrate, 1.0f)});
    EXPECT_EQ(6, painter.getWidth());
    EXPECT_EQ(8, painter.getHeight());
    ASSERT_EQ(2u, painter.getSurfaces().size());
    EXPECT_TRUE(painter.getSurfaces()[0].isEmpty());
    EXPECT_FALSE(painter.getSurfaces()[1].isEmpty());

    model.step();
    model.step();
    // Until update() the stored surfaces stay as they were.
    EXPECT_TRUE(painter.getSurfaces()[0].isEmpty());
    painter.update();
    const CellSurface expected =
        CellSurface::open(6, 6, 8, model.getCells(), FilmCell::filmReference());
    ASSERT_EQ(expected.triangleCount(), painter.getSurfaces()[0].triangleCount());
    EXPECT_FALSE(painter.getSurfaces()[0].isEmpty());

    Automata::Painter3D<FilmCell, FilmCellTypeComparer> none(&model, {});
    EXPECT_TRUE(none.getSurfaces().empty());
}
