#pragma once

namespace Automata {
namespace Surfaces {

// One triangle of an extracted surface in lattice coordinates. All three
// vertices carry the triangle's normal, so the triangle is drawn flat even
// under smooth shading.
struct SurfaceTriangle {
    struct Vertex {
        float position[3];
        float normal[3];
    };

    Vertex vertices[3];
};

} // namespace Surfaces
} // namespace Automata
