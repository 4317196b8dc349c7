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

const double pi = 3.14159265358979323846;

// A painter that runs the given drawing in lattice units around the view's
// centre (its extent is zero, so the view does not shift it).
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

// Every vertex on the unit sphere, every index a vertex, every edge shared by
// exactly two triangles (no holes, no cracks), and every triangle wound
// counter-clockwise seen from outside, as OpenGL's default front face wants.
void expectClosedUnitSphere(const SphereMesh& mesh)
{
    const std::vector<float>& v = mesh.getVertices();
    const std::vector<unsigned short>& indices = mesh.getIndices();
    ASSERT_EQ(v.size(), 3 * mesh.vertexCount());
    ASSERT_EQ(indices.size(), 3 * mesh.triangleCount());
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
        const double normal[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2],
                                  u[0] * w[1] - u[1] * w[0]};
        double outward = 0.0;
        for (int k = 0; k < 3; ++k)
            outward += normal[k] * (p[0][k] + p[1][k] + p[2][k]);
        ASSERT_GT(outward, 0.0) << "triangle " << t / 3 << " faces inward";
    }
    for (const auto& use : edgeUse)
        ASSERT_EQ(2, use.second) << "edge " << use.first.first << "-" << use.first.second;
}

QImage render(CallbackPainter& painter, int size)
{
    QString error;
    const QImage frame = ViewRenderer::renderOffscreen(&painter, ViewCamera(), size, size, &error);
    EXPECT_FALSE(frame.isNull()) << error.toStdString();
    return frame;
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
    const SphereMesh finest(9);
    EXPECT_LE(finest.vertexCount(), 65536u);
    EXPECT_EQ(finest.vertexCount(), SphereMesh(6).vertexCount());
    EXPECT_EQ(20u, SphereMesh(-1).triangleCount());
}

TEST(SphereMesh, DrawsRoundLitBallsFromVertexArraysAndRestoresTheState)
{
    // Unlit, a sphere of radius 30 covers a disc of 30 pixels around the centre.
    GLboolean arraysLeftOn = GL_TRUE;
    GLboolean normalizeLeftOn = GL_TRUE;
    CallbackPainter flat([&] {
        glColor3f(1.0f, 0.0f, 0.0f);
        SphereMesh::unit().draw(0.0f, 0.0f, 0.0f, 30.0f);
        arraysLeftOn = glIsEnabled(GL_VERTEX_ARRAY) || glIsEnabled(GL_NORMAL_ARRAY);
        normalizeLeftOn = glIsEnabled(GL_NORMALIZE);
    });
    const QImage disc = render(flat, 100);
    ASSERT_FALSE(disc.isNull());
    EXPECT_FALSE(arraysLeftOn);
    EXPECT_FALSE(normalizeLeftOn);
    int covered = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (disc.pixel(x, y) != qRgb(255, 0, 0))
                continue;
            ++covered;
            EXPECT_LE(std::hypot(x + 0.5 - 50.0, y + 0.5 - 50.0), 31.0) << x << "," << y;
        }
    }
    EXPECT_NEAR(covered, pi * 30 * 30, 0.05 * pi * 30 * 30);

    // Several centres with their own colours; the current colour survives.
    GLfloat colourAfter[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    CallbackPainter batch([&] {
        const float centres[6] = {-25.0f, 0.0f, 0.0f, 25.0f, 10.0f, 0.0f};
        const float colours[6] = {0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f};
        glColor3f(1.0f, 1.0f, 1.0f);
        SphereMesh::unit().draw(centres, 2, 8.0f, colours);
        glGetFloatv(GL_CURRENT_COLOR, colourAfter);
    });
    const QImage pair = render(batch, 100);
    ASSERT_FALSE(pair.isNull());
    EXPECT_EQ(qRgb(0, 255, 0), pair.pixel(25, 50));
    EXPECT_EQ(qRgb(0, 0, 255), pair.pixel(75, 40)); // y up on screen is up in the frame
    EXPECT_EQ(qRgb(0, 0, 0), pair.pixel(50, 50));
    EXPECT_EQ(1.0f, colourAfter[0]);
    EXPECT_EQ(1.0f, colourAfter[2]);

    // Lit by the view's light from the upper right front, the normals make the
    // side facing it bright and the far side dark.
    CallbackPainter lit([] {
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_COLOR_MATERIAL);
        glColor3f(1.0f, 1.0f, 1.0f);
        SphereMesh::unit().draw(0.0f, 0.0f, 0.0f, 30.0f);
    });
    const QImage shaded = render(lit, 100);
    ASSERT_FALSE(shaded.isNull());
    const int towardLight = qGreen(shaded.pixel(65, 35));
    const int awayFromLight = qGreen(shaded.pixel(35, 65));
    EXPECT_GT(towardLight, 200);
    EXPECT_LT(awayFromLight, 100);
    EXPECT_GT(awayFromLight, 0);
}

TEST(ViewRenderer, EveryFrameStartsFromTheDefaultStateWhateverThePainterLeft)
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QOffscreenSurface surface;
    surface.setFormat(format);
    surface.create();
    QOpenGLContext context;
    context.setFormat(format);
    ASSERT_TRUE(context.create() && context.makeCurrent(&surface));

    struct State {
        GLboolean depthWrites, culling, blending;
        GLint frontFace;
    };
    std::vector<State> seen;
    CallbackPainter careless([&seen] {
        State state;
        glGetBooleanv(GL_DEPTH_WRITEMASK, &state.depthWrites);
        state.culling = glIsEnabled(GL_CULL_FACE);
        state.blending = glIsEnabled(GL_BLEND);
        glGetIntegerv(GL_FRONT_FACE, &state.frontFace);
        seen.push_back(state);
        glDepthMask(GL_FALSE);
        glEnable(GL_CULL_FACE);
        glFrontFace(GL_CW);
        glDisable(GL_BLEND);
    });
    ViewRenderer::initializeState();
    ViewRenderer::setProjection(20, 20, 1.0f);
    for (int frame = 0; frame < 2; ++frame)
        ViewRenderer::paintFrame(ViewCamera(), &careless, nullptr, 20, 20);
    context.doneCurrent();

    ASSERT_EQ(2u, seen.size());
    for (const State& state : seen) {
        EXPECT_EQ(GL_TRUE, state.depthWrites);
        EXPECT_EQ(GL_FALSE, state.culling);
        EXPECT_EQ(GL_TRUE, state.blending);
        EXPECT_EQ(GL_CCW, state.frontFace);
    }
}
