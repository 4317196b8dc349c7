#pragma once

#include <cstddef>
#include <vector>

namespace Automata {
namespace Surfaces {

// A unit sphere as a subdivided icosahedron, for drawing atoms and voxels as
// lit balls. Every vertex lies on the unit sphere, so its position is also
// its normal (smooth shading, when the painter chooses it, hides the
// facets); triangles are wound counter-clockwise seen from outside.
//
// Drawn from client-side vertex arrays only: the batch renderer makes a new
// OpenGL context for every picture, so nothing is kept in a context (no
// display lists, no buffer objects). Drawing leaves the OpenGL state as it
// found it, client arrays and matrices included.
class SphereMesh {
public:
    // The shared mesh the painters draw, built once on first use.
    static const SphereMesh& unit();

    // An icosahedron with every triangle split into four the given number of
    // times (0 to 6), new vertices pushed out onto the sphere.
    explicit SphereMesh(int subdivisions);

    // x, y, z of each vertex in turn; the same numbers are the normals.
    const std::vector<float>& getVertices() const { return vertices; }
    // Three vertex numbers per triangle.
    const std::vector<unsigned short>& getIndices() const { return indices; }
    std::size_t vertexCount() const { return vertices.size() / 3; }
    std::size_t triangleCount() const { return indices.size() / 3; }

    // One sphere of the given radius around (x, y, z), in the current colour.
    void draw(float x, float y, float z, float radius) const;
    // count spheres of one radius, centres as x, y, z triples; colours, when
    // given, holds an RGB triple per sphere, otherwise the current colour is used.
    void draw(const float* centres, std::size_t count, float radius,
              const float* colours = nullptr) const;

private:
    std::vector<float> vertices;
    std::vector<unsigned short> indices;
};

} // namespace Surfaces
} // namespace Automata
