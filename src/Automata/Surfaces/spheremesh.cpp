#include "spheremesh.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include <qopengl.h>

namespace Automata {
namespace Surfaces {

namespace {

// Enough for a round outline at the sizes atoms are drawn, and few enough
// triangles for many thousands of them per frame.
const int sharedSubdivisions = 2;

// 4^6 * 10 + 2 vertices still fit the 16-bit indices.
const int largestSubdivisions = 6;

// The twelve corners of an icosahedron, (0, +-1, +-t) and its cyclic
// permutations with t the golden ratio, before they are scaled to unit length.
const float golden = 1.61803398875f;
const float icosahedronCorners[12][3] = {
    {-1.0f, golden, 0.0f}, {1.0f, golden, 0.0f},   {-1.0f, -golden, 0.0f}, {1.0f, -golden, 0.0f},
    {0.0f, -1.0f, golden}, {0.0f, 1.0f, golden},   {0.0f, -1.0f, -golden}, {0.0f, 1.0f, -golden},
    {golden, 0.0f, -1.0f}, {golden, 0.0f, 1.0f},   {-golden, 0.0f, -1.0f}, {-golden, 0.0f, 1.0f},
};

// Counter-clockwise seen from outside.
const unsigned short icosahedronFaces[20][3] = {
    {0, 11, 5}, {0, 5, 1},  {0, 1, 7},   {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
    {11, 10, 2}, {10, 7, 6}, {7, 1, 8},  {3, 9, 4},  {3, 4, 2},   {3, 2, 6}, {3, 6, 8},
    {3, 8, 9},  {4, 9, 5},  {2, 4, 11},  {6, 2, 10}, {8, 6, 7},   {9, 8, 1},
};

void pushUnit(std::vector<float>& vertices, float x, float y, float z)
{
    const float length = std::sqrt(x * x + y * y + z * z);
    vertices.push_back(x / length);
    vertices.push_back(y / length);
    vertices.push_back(z / length);
}

} // namespace

const SphereMesh& SphereMesh::unit()
{
    static const SphereMesh mesh(sharedSubdivisions);
    return mesh;
}

SphereMesh::SphereMesh(int subdivisions)
{
    subdivisions = std::max(0, std::min(subdivisions, largestSubdivisions));
    for (const float* corner : icosahedronCorners)
        pushUnit(vertices, corner[0], corner[1], corner[2]);
    for (const unsigned short* face : icosahedronFaces)
        indices.insert(indices.end(), face, face + 3);

    for (int level = 0; level < subdivisions; ++level) {
        // Each edge is shared by two triangles and gets one midpoint.
        std::map<std::pair<unsigned short, unsigned short>, unsigned short> midpoints;
        const auto midpoint = [this, &midpoints](unsigned short a, unsigned short b) {
            const auto key = std::make_pair(std::min(a, b), std::max(a, b));
            const auto found = midpoints.find(key);
            if (found != midpoints.end())
                return found->second;
            const auto index = static_cast<unsigned short>(vertexCount());
            const float* p = &vertices[3 * std::size_t(a)];
            const float* q = &vertices[3 * std::size_t(b)];
            pushUnit(vertices, p[0] + q[0], p[1] + q[1], p[2] + q[2]);
            midpoints.emplace(key, index);
            return index;
        };
        std::vector<unsigned short> finer;
        finer.reserve(indices.size() * 4);
        for (std::size_t t = 0; t < indices.size(); t += 3) {
            const unsigned short a = indices[t];
            const unsigned short b = indices[t + 1];
            const unsigned short c = indices[t + 2];
            const unsigned short ab = midpoint(a, b);
            const unsigned short bc = midpoint(b, c);
            const unsigned short ca = midpoint(c, a);
            // The corner triangles and the middle one keep the winding.
            const unsigned short split[12] = {a, ab, ca, b, bc, ab, c, ca, bc, ab, bc, ca};
            finer.insert(finer.end(), split, split + 12);
        }
        indices.swap(finer);
    }
}

void SphereMesh::draw(float x, float y, float z, float radius) const
{
    const float centre[3] = {x, y, z};
    draw(centre, 1, radius);
}

void SphereMesh::draw(const float* centres, std::size_t count, float radius,
                      const float* colours) const
{
    // The matrix mode, GL_NORMALIZE and the current colour are restored by
    // the attributes, the arrays and their pointers by the client attributes.
    glPushAttrib(GL_TRANSFORM_BIT | GL_ENABLE_BIT | GL_CURRENT_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    // Scaling by the radius scales the normals too.
    glEnable(GL_NORMALIZE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, vertices.data());
    glNormalPointer(GL_FLOAT, 0, vertices.data());
    glMatrixMode(GL_MODELVIEW);
    const auto indexCount = static_cast<GLsizei>(indices.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (colours)
            glColor3fv(colours + 3 * i);
        const float* centre = centres + 3 * i;
        glPushMatrix();
        glTranslatef(centre[0], centre[1], centre[2]);
        glScalef(radius, radius, radius);
        glDrawElements(GL_TRIANGLES, indexCount, GL_UNSIGNED_SHORT, indices.data());
        glPopMatrix();
    }
    glPopClientAttrib();
    glPopAttrib();
}

} // namespace Surfaces
} // namespace Automata
