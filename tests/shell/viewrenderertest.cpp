#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <qopengl.h>

#include "testmodel.h"
#include "viewrenderer.h"

using ShellTest::TestModel;

namespace {

// A current compatibility context with a framebuffer of the given size.
class OffscreenTarget {
public:
    OffscreenTarget(int width, int height)
    {
        QSurfaceFormat format;
        format.setProfile(QSurfaceFormat::CompatibilityProfile);
        format.setDepthBufferSize(24);
        context.setFormat(format);
        surface.setFormat(format);
        surface.create();
        if (!context.create() || !context.makeCurrent(&surface))
            return;
        QOpenGLFramebufferObjectFormat fboFormat;
        fboFormat.setAttachment(QOpenGLFramebufferObject::Depth);
        fbo = std::make_unique<QOpenGLFramebufferObject>(width, height, fboFormat);
        fbo->bind();
    }
    ~OffscreenTarget()
    {
        fbo.reset();
        context.doneCurrent();
    }
    bool ready() const { return fbo && fbo->isValid(); }

private:
    QOpenGLContext context;
    QOffscreenSurface surface;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
};

bool isWhite(QRgb pixel)
{
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

bool isBlack(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0;
}

} // namespace

TEST(ViewCamera, AnglesAreAbsoluteAndComposeXYZ)
{
    ViewCamera camera;
    camera.setAngles(90, 0, 0);
    const float half = static_cast<float>(std::sqrt(0.5));
    EXPECT_NEAR(camera.orientation[0], half, 1e-6);
    EXPECT_NEAR(camera.orientation[1], half, 1e-6);
    EXPECT_NEAR(camera.orientation[2], 0.0f, 1e-6);
    EXPECT_NEAR(camera.orientation[3], 0.0f, 1e-6);

    camera.setAngles(0, 0, 0);
    EXPECT_FLOAT_EQ(camera.orientation[0], 1.0f);
    EXPECT_FLOAT_EQ(camera.orientation[1], 0.0f);
    EXPECT_FLOAT_EQ(camera.orientation[2], 0.0f);
    EXPECT_FLOAT_EQ(camera.orientation[3], 0.0f);

    // qx(90) * qy(90) = (1/2, 1/2, 1/2, 1/2) by the Hamilton product.
    camera.setAngles(90, 90, 0);
    for (float component : camera.orientation)
        EXPECT_NEAR(component, 0.5f, 1e-6);
}

TEST(ViewCamera, RotationMatrixIsColumnMajor)
{
    ViewCamera camera;
    camera.setAngles(0, 0, 90);
    float m[16];
    camera.rotationMatrix(m);
    // A quarter turn about z takes the x axis to the y axis: first column (0, 1, 0).
    EXPECT_NEAR(m[0], 0.0f, 1e-6);
    EXPECT_NEAR(m[1], 1.0f, 1e-6);
    EXPECT_NEAR(m[2], 0.0f, 1e-6);
    EXPECT_NEAR(m[4], -1.0f, 1e-6);
    EXPECT_FLOAT_EQ(m[15], 1.0f);
    EXPECT_FLOAT_EQ(m[3], 0.0f);
    EXPECT_FLOAT_EQ(m[12], 0.0f);
}

TEST(ViewCamera, TrackballIgnoresAZeroDragAndRotatesAboutScreenAxes)
{
    ViewCamera camera;
    float a[3];
    float b[3];
    ViewCamera::mapToSphere(150, 100, 400, 300, a);
    ViewCamera::mapToSphere(150, 100, 400, 300, b);
    EXPECT_FALSE(camera.dragRotate(a, b));
    EXPECT_FLOAT_EQ(camera.orientation[0], 1.0f);
    EXPECT_FLOAT_EQ(camera.orientation[1], 0.0f);

    // Outside the sphere the point is pulled onto its rim.
    ViewCamera::mapToSphere(400, 150, 400, 300, a);
    EXPECT_NEAR(a[0], 1.0f, 1e-6);
    EXPECT_NEAR(a[1], 0.0f, 1e-6);
    EXPECT_NEAR(a[2], 0.0f, 1e-6);

    // Dragging from the centre to the right rim turns a quarter about the y axis.
    ViewCamera::mapToSphere(200, 150, 400, 300, a);
    ViewCamera::mapToSphere(400, 150, 400, 300, b);
    EXPECT_NEAR(a[2], 1.0f, 1e-6);
    ASSERT_TRUE(camera.dragRotate(a, b));
    const float half = static_cast<float>(std::sqrt(0.5));
    EXPECT_NEAR(camera.orientation[0], half, 1e-6);
    EXPECT_NEAR(camera.orientation[2], half, 1e-6);
}

TEST(ViewCamera, WheelNotchIsFactorTwoPointTwoAndPanIsFivePixels)
{
    ViewCamera camera;
    camera.zoomByWheel(120);
    EXPECT_FLOAT_EQ(camera.scale, 2.2f);
    camera.pan(0, 1);
    EXPECT_FLOAT_EQ(camera.translateX, 11.0f);
    camera.zoomByWheel(-120);
    EXPECT_FLOAT_EQ(camera.scale, 1.0f);
    camera.pan(2, -1);
    camera.pan(1, -1);
    EXPECT_FLOAT_EQ(camera.translateZ, -5.0f);
    EXPECT_FLOAT_EQ(camera.translateY, -5.0f);
}

TEST(ViewRenderer, Painter2DEmitsTwoTrianglesPerCellInLatticeOrder)
{
    const int width = 40;
    const int height = 20;
    OffscreenTarget target(width, height);
    ASSERT_TRUE(target.ready());
    TestModel model(3, 2);

    ViewRenderer::initializeState();
    ViewRenderer::resetDrawingState();
    ViewRenderer::setProjection(width, height, 1.0f);
    std::vector<GLfloat> feedback(1000);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_2D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    ViewRenderer::paintFrame(ViewCamera(), model.getPainter(), nullptr, width, height);
    const GLint count = glRenderMode(GL_RENDER);
    ASSERT_GT(count, 0);

    std::vector<std::pair<float, float>> vertices;
    int polygons = 0;
    for (GLint i = 0; i < count;) {
        ASSERT_EQ(feedback[i], static_cast<GLfloat>(GL_POLYGON_TOKEN));
        const int corners = static_cast<int>(feedback[i + 1]);
        ASSERT_EQ(corners, 3);
        for (int c = 0; c < corners; ++c)
            vertices.emplace_back(feedback[i + 2 + 2 * c], feedback[i + 3 + 2 * c]);
        i += 2 + 2 * corners;
        ++polygons;
    }
    EXPECT_EQ(polygons, 12);
    ASSERT_EQ(vertices.size(), 36u);

    // The view centres the 3 x 2 drawing: lattice point (x, y) lands on window
    // point (x - 1.5 + 20, y - 1 + 10).
    const int order[6][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1}};
    const int corners[6][2] = {{0, 0}, {1, 0}, {0, 1}, {0, 1}, {1, 0}, {1, 1}};
    std::size_t v = 0;
    for (const auto& cell : order) {
        for (const auto& corner : corners) {
            EXPECT_FLOAT_EQ(vertices[v].first, cell[0] + corner[0] - 1.5f + width / 2.0f) << v;
            EXPECT_FLOAT_EQ(vertices[v].second, cell[1] + corner[1] - 1.0f + height / 2.0f) << v;
            ++v;
        }
    }
}

TEST(ViewRenderer, OffscreenLatticeHalfAsWideCoversTheMiddleHalf)
{
    TestModel model(200, 100);
    QString error;
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 400, 300,
                                                       &error);
    ASSERT_FALSE(frame.isNull()) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(frame.size(), QSize(400, 300));
    EXPECT_FALSE(frame.hasAlphaChannel());

    const int middleRow = 150;
    EXPECT_TRUE(isBlack(frame.pixel(99, middleRow)));
    EXPECT_TRUE(isWhite(frame.pixel(100, middleRow)));
    EXPECT_TRUE(isWhite(frame.pixel(299, middleRow)));
    EXPECT_TRUE(isBlack(frame.pixel(300, middleRow)));
    EXPECT_TRUE(isBlack(frame.pixel(200, 99)));
    EXPECT_TRUE(isWhite(frame.pixel(200, 100)));
    EXPECT_TRUE(isWhite(frame.pixel(200, 199)));
    EXPECT_TRUE(isBlack(frame.pixel(200, 200)));
}

TEST(ViewRenderer, LatticeRowZeroIsDrawnAtTheBottom)
{
    TestModel model(4, 4, 0);
    model.setCell(0, 0, 2);
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 4, 4);
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame.pixel(0, 3), qRgb(255, 0, 0));
    EXPECT_TRUE(isBlack(frame.pixel(0, 0)));
}

TEST(ViewRenderer, RenderingOffGivesTheClearColour)
{
    TestModel model(20, 20);
    ViewCamera camera;
    camera.renderingEnabled = false;
    camera.showAxis = true;
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), camera, 40, 40);
    ASSERT_FALSE(frame.isNull());
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_TRUE(isBlack(frame.pixel(x, y))) << x << "," << y;
}

TEST(ViewRenderer, ZoomAndPanMoveTheDrawing)
{
    TestModel model(20, 20);
    ViewCamera camera;
    camera.scale = 2.0f; // twice as much scene per pixel: the square shrinks to 10 pixels
    camera.translateX = 10.0f; // in world units: 5 pixels to the right
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), camera, 100, 100);
    ASSERT_FALSE(frame.isNull());
    EXPECT_TRUE(isBlack(frame.pixel(49, 50)));
    EXPECT_TRUE(isWhite(frame.pixel(50, 50)));
    EXPECT_TRUE(isWhite(frame.pixel(59, 50)));
    EXPECT_TRUE(isBlack(frame.pixel(60, 50)));
}

TEST(ViewRenderer, AxisInsetDrawsRedGreenAndBlueInTheLowerLeft)
{
    TestModel model(100, 100, 0);
    ViewCamera camera;
    camera.showAxis = true;
    camera.setAngles(30, 30, 0); // so the z axis shows as a line too
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), camera, 200, 200);
    ASSERT_FALSE(frame.isNull());
    bool red = false, green = false, blue = false, elsewhere = false;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QRgb p = frame.pixel(x, y);
            const bool coloured = !isBlack(p);
            red = red || p == qRgb(255, 0, 0);
            green = green || p == qRgb(0, 255, 0);
            blue = blue || p == qRgb(0, 0, 255);
            // Its origin sits at a tenth of the frame from the lower left and
            // the arms are 30 pixels long.
            if (coloured && (x > 70 || y < 130))
                elsewhere = true;
        }
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(green);
    EXPECT_TRUE(blue);
    EXPECT_FALSE(elsewhere);
}

TEST(ViewRenderer, AnEmptyFrameSizeIsAFailureWithAReason)
{
    TestModel model(2, 2);
    QString error;
    EXPECT_TRUE(ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 0, 10, &error)
                    .isNull());
    EXPECT_FALSE(error.isEmpty());
}
