#include <cmath>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <qopengl.h>

#include <gtest/gtest.h>

#include "Automata/Surfaces/spheremesh.h"
#include "Automata/painter.h"
#include "viewrenderer.h"

using Automata::Surfaces::SphereMesh;

namespace {

// Runs a drawing at the view's centre (its extent is zero, so nothing shifts it).
class CallbackPainter : public Automata::Painter {
public:
    explicit CallbackPainter(std::function<void()> drawing)
        : Painter(nullptr), drawing(std::move(drawing))
    {
    }
    void paint() override { drawing(); }
    int getWidth() override { return 0; }
    int getHeight() override { return 0; }

private:
    std::function<void()> drawing;
};

// Vertices (which are also the normals) of unit length, every edge shared by
// exactly two triangles, every triangle counter-clockwise seen from outside.
void expectClosedUnitSphere(const SphereMesh& mesh)
{
    const std::vector<float>& v = mesh.getVertices();
    const std::vector<unsigned short>& indices = mesh.getIndices();
    for (std::size_t i = 0; i < v.size(); i += 3)
        ASSERT_NEAR(1.0, std::sqrt(v[i] * v[i] + v[i + 1] * v[i + 1] + v[i + 2] * v[i + 2]), 1e-6);
    std::map<std::pair<int, int>, int> edgeUse;
    for (std::size_t t = 0; t < indices.size(); t += 3) {
        const float* p[3];
        for (int c = 0; c < 3; ++c) {
            ASSERT_LT(indices[t + c], mesh.vertexCount());
            p[c] = &v[3 * std::size_t(indices[t + c])];
            const int a = indices[t + c];
            const int b = indices[t + (c + 1) % 3];
            ++edgeUse[{std::min(a, b), std::max(a, b)}];
        }
        const double u[3] = {p[1][0] - p[0][0], p[1][1] - p[0][1], p[1][2] - p[0][2]};
        const double w[3] = {p[2][0] - p[0][0], p[2][1] - p[0][1], p[2][2] - p[0][2]};
        const double outward = (u[1] * w[2] - u[2] * w[1]) * p[0][0]
                               + (u[2] * w[0] - u[0] * w[2]) * p[0][1]
                               + (u[0] * w[1] - u[1] * w[0]) * p[0][2];
        ASSERT_GT(outward, 0.0) << "triangle " << t / 3 << " faces inward";
    }
    for (const auto& use : edgeUse)
        ASSERT_EQ(2, use.second) << "edge " << use.first.first << "-" << use.first.second;
}

} // namespace

TEST(SphereMesh, SubdividedIcosahedronIsAClosedOutwardUnitSphere)
{
    for (int level = 0; level <= 3; ++level) {
        SCOPED_TRACE(level);
        const SphereMesh mesh(level);
        // Each split adds a vertex per edge and turns a triangle into four.
        const std::size_t faces = 20u << (2 * level);
        EXPECT_EQ(faces, mesh.triangleCount());
        EXPECT_EQ(faces / 2 + 2, mesh.vertexCount());
        expectClosedUnitSphere(mesh);
    }
    expectClosedUnitSphere(SphereMesh::unit());
    // Too fine a request stays within the 16-bit indices instead of wrapping.
    EXPECT_EQ(SphereMesh(9).vertexCount(), SphereMesh(6).vertexCount());
}

TEST(SphereMesh, DrawsALitBallFromVertexArraysAndLeavesThemOff)
{
    bool arraysLeftOn = true;
    CallbackPainter lit([&arraysLeftOn] {
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_COLOR_MATERIAL);
        glColor3f(1.0f, 1.0f, 1.0f);
        SphereMesh::unit().draw(0.0f, 0.0f, 0.0f, 30.0f);
        arraysLeftOn = glIsEnabled(GL_VERTEX_ARRAY) || glIsEnabled(GL_NORMAL_ARRAY)
                       || glIsEnabled(GL_NORMALIZE);
    });
    QString error;
    const QImage frame = ViewRenderer::renderOffscreen(&lit, ViewCamera(), 100, 100, &error);
    ASSERT_FALSE(frame.isNull()) << error.toStdString();
    EXPECT_FALSE(arraysLeftOn);
    // A ball of radius 30 pixels around the centre, not a point or a unit ball.
    EXPECT_NE(qRgb(0, 0, 0), frame.pixel(50, 50));
    EXPECT_NE(qRgb(0, 0, 0), frame.pixel(50, 78));
    EXPECT_EQ(qRgb(0, 0, 0), frame.pixel(50, 82));
    EXPECT_EQ(qRgb(0, 0, 0), frame.pixel(18, 50));
    // The view's light comes from the upper right front: the normals make that
    // side bright and leave the far side to the ambient light.
    EXPECT_GT(qGreen(frame.pixel(65, 35)), 200);
    EXPECT_LT(qGreen(frame.pixel(35, 65)), 100);
}

TEST(ViewRenderer, EveryFrameStartsFromTheDefaultStateWhateverThePainterLeft)
{
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QOffscreenSurface surface;
    surface.setFormat(format);
    surface.create();
    QOpenGLContext context;
    context.setFormat(format);
    ASSERT_TRUE(context.create() && context.makeCurrent(&surface));

    // Depth writes, culling, blending and the front face as each frame finds them.
    std::vector<std::vector<GLint>> seen;
    CallbackPainter careless([&seen] {
        GLboolean depthWrites = GL_FALSE;
        GLint frontFace = 0;
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
        glGetIntegerv(GL_FRONT_FACE, &frontFace);
        seen.push_back({depthWrites, glIsEnabled(GL_CULL_FACE), glIsEnabled(GL_BLEND), frontFace});
        glDepthMask(GL_FALSE);
        glEnable(GL_CULL_FACE);
        glDisable(GL_BLEND);
        glFrontFace(GL_CW);
    });
    ViewRenderer::initializeState();
    ViewRenderer::setProjection(20, 20, 1.0f);
    for (int frame = 0; frame < 2; ++frame)
        ViewRenderer::paintFrame(ViewCamera(), &careless, nullptr, 20, 20);
    context.doneCurrent();
    const std::vector<GLint> defaults = {GL_TRUE, GL_FALSE, GL_TRUE, GL_CCW};
    EXPECT_EQ(seen, std::vector<std::vector<GLint>>(2, defaults));
}
