#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include <QMainWindow>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QShortcut>
#include <QWheelEvent>
#include <qopengl.h>

#include "glwidget.h"
#include "shellsupport.h"
#include "viewrenderer.h"

using ShellTest::TestModel;

namespace {

const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);

// A view of its own in a plain window, 400 x 300 and on screen.
struct ShownView {
    QMainWindow window;
    GLwidget* view;
    explicit ShownView(Automata::Painter* painter = nullptr)
    {
        view = new GLwidget(&window, painter);
        window.setCentralWidget(view);
        view->setFixedSize(400, 300);
        window.show();
        ShellTest::processUntil([this] { return view->isValid() && view->isVisible(); });
    }
};

void sendWheel(GLwidget* view, int delta)
{
    QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &event);
}

void drag(GLwidget* view, QPointF from, QPointF to)
{
    QMouseEvent press(QEvent::MouseButtonPress, from, from, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, to, to, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &press);
    QCoreApplication::sendEvent(view, &move);
}

void expectQuaternion(const float* q, double w, double x, double y, double z)
{
    const double expected[4] = {w, x, y, z};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(q[i], expected[i], 1e-6) << "component " << i;
}

QShortcut* shortcutFor(QWidget* window, Qt::Key key)
{
    for (QShortcut* shortcut : window->findChildren<QShortcut*>())
        if (shortcut->key() == QKeySequence(key))
            return shortcut;
    return nullptr;
}

} // namespace

TEST(GLwidget, ShowsA200WideLatticeInTheMiddleHalfAsOffscreenRenderingDoes)
{
    TestModel model(200, 100);
    QString error;
    const QImage offscreen =
        ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 400, 300, &error);
    ASSERT_FALSE(offscreen.isNull()) << error.toStdString();
    EXPECT_FALSE(offscreen.hasAlphaChannel());
    // x, y, white: the 200 x 100 drawing spans 100 .. 299 across and 100 .. 199 down.
    const int probes[8][3] = {{99, 150, 0},  {100, 150, 1}, {299, 150, 1}, {300, 150, 0},
                              {200, 99, 0},  {200, 100, 1}, {200, 199, 1}, {200, 200, 0}};
    for (const auto& p : probes)
        EXPECT_EQ(offscreen.pixel(p[0], p[1]), p[2] ? white : black) << p[0] << "," << p[1];

    ShownView shown;
    ASSERT_EQ(shown.view->devicePixelRatioF(), 1.0);
    shown.view->setPainter(model.getPainter());
    EXPECT_EQ(shown.view->grabFrame(), offscreen);
    GLwidget hidden(nullptr, model.getPainter());
    hidden.resize(400, 300);
    EXPECT_EQ(hidden.grabFrame(), offscreen);

    shown.view->setPainter(nullptr);
    EXPECT_EQ(shown.view->grabFrame().pixel(200, 150), black);

    EXPECT_TRUE(ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 0, 10, &error)
                    .isNull());
    EXPECT_FALSE(error.isEmpty());
}

TEST(GLwidget, RenderingOffClearsTheFrameAndIgnoresDraggingButNotZoomOrPan)
{
    TestModel model(400, 300);
    ShownView shown(model.getPainter());
    shown.view->displayAxis(true);
    shown.view->setRenderingEnabled(false);
    const QImage frame = shown.view->grabFrame();
    QImage empty(frame.size(), frame.format());
    empty.fill(Qt::black);
    EXPECT_EQ(frame, empty);

    drag(shown.view, QPointF(200, 150), QPointF(300, 100));
    expectQuaternion(shown.view->getCamera().orientation, 1, 0, 0, 0);
    sendWheel(shown.view, 120);
    EXPECT_FLOAT_EQ(shown.view->getScale(), 2.2f);
    shown.view->increaseTranslateX();
    EXPECT_FLOAT_EQ(shown.view->getCamera().translateX, 11.0f);
    shown.view->setRenderingEnabled(true);
    EXPECT_EQ(shown.view->grabFrame().pixel(200, 150), white);
}

TEST(GLwidget, TrackballIgnoresAMoveToThePressedPixelAndTurnsAboutScreenAxes)
{
    ShownView shown;
    const float* q = shown.view->getCamera().orientation;
    drag(shown.view, QPointF(120, 90), QPointF(120, 90));
    expectQuaternion(q, 1, 0, 0, 0);
    // From the centre (0, 0, 1) to the right rim (1, 0, 0): a quarter turn about y.
    drag(shown.view, QPointF(200, 150), QPointF(400, 150));
    expectQuaternion(q, std::sqrt(0.5), 0, std::sqrt(0.5), 0);
}

TEST(GLwidget, WheelNotchZoomsByTwoPointTwoAndPanKeysMoveFivePixels)
{
    ShownView shown;
    const ViewCamera& camera = shown.view->getCamera();
    sendWheel(shown.view, 120);
    EXPECT_FLOAT_EQ(camera.scale, 2.2f);
    sendWheel(shown.view, -120);
    sendWheel(shown.view, -120);
    EXPECT_FLOAT_EQ(camera.scale, 1.0f / 2.2f);

    const Qt::Key keys[6] = {Qt::Key_Q, Qt::Key_W, Qt::Key_E, Qt::Key_A, Qt::Key_S, Qt::Key_D};
    const float* offsets[3] = {&camera.translateX, &camera.translateY, &camera.translateZ};
    for (int i = 0; i < 6; ++i) {
        QShortcut* shortcut = shortcutFor(&shown.window, keys[i]);
        ASSERT_NE(shortcut, nullptr) << i;
        EXPECT_EQ(shortcut->parent(), &shown.window);
        emit shortcut->activated();
        EXPECT_FLOAT_EQ(*offsets[i % 3], i < 3 ? 5.0f / 2.2f : 0.0f) << i;
    }

    // Zoomed in, a 100-wide lattice is 220 pixels wide; Q moves it 5 to the right.
    TestModel model(100, 100);
    shown.view->setPainter(model.getPainter());
    emit shortcutFor(&shown.window, Qt::Key_Q)->activated();
    const QImage frame = shown.view->grabFrame();
    EXPECT_EQ(frame.pixel(94, 150), black);
    EXPECT_EQ(frame.pixel(95, 150), white);
    EXPECT_EQ(frame.pixel(314, 150), white);
    EXPECT_EQ(frame.pixel(315, 150), black);
}

TEST(GLwidget, ViewAnglesAreAbsoluteAndComposeXYZIntoAColumnMajorMatrix)
{
    GLwidget view(nullptr, nullptr);
    const float* q = view.getCamera().orientation;
    view.setViewAngle(90, 0, 0);
    expectQuaternion(q, std::cos(M_PI / 4), std::sin(M_PI / 4), 0, 0);
    view.setViewAngle(90, 90, 0); // qx(90) * qy(90) by the Hamilton product
    expectQuaternion(q, 0.5, 0.5, 0.5, 0.5);
    view.setViewAngle(0, 0, 0);
    expectQuaternion(q, 1, 0, 0, 0);

    // A quarter turn about z takes x to y and y to -x.
    ViewCamera camera;
    camera.setAngles(0, 0, 90);
    float m[16];
    camera.rotationMatrix(m);
    const float expected[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(m[i], expected[i], 1e-6) << i;
}

TEST(ViewRenderer, Painter2DEmitsTwoTrianglesPerCellInLatticeOrder)
{
    const int width = 40;
    const int height = 20;
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QOpenGLContext context;
    QOffscreenSurface surface;
    context.setFormat(format);
    surface.setFormat(format);
    surface.create();
    ASSERT_TRUE(context.create() && context.makeCurrent(&surface));
    auto fbo = std::make_unique<QOpenGLFramebufferObject>(width, height,
                                                          QOpenGLFramebufferObject::Depth);
    ASSERT_TRUE(fbo->bind());
    TestModel model(3, 2);

    ViewRenderer::initializeState();
    ViewRenderer::resetDrawingState();
    ViewRenderer::setProjection(width, height, 1.0f);
    std::vector<GLfloat> feedback(1000);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_2D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    ViewRenderer::paintFrame(ViewCamera(), model.getPainter(), nullptr, width, height);
    const GLint count = glRenderMode(GL_RENDER);
    fbo.reset();
    context.doneCurrent();

    std::vector<std::pair<float, float>> vertices;
    for (GLint i = 0; i < count; i += 8) {
        ASSERT_EQ(feedback[i], static_cast<GLfloat>(GL_POLYGON_TOKEN));
        ASSERT_EQ(feedback[i + 1], 3.0f);
        for (int c = 0; c < 3; ++c)
            vertices.emplace_back(feedback[i + 2 + 2 * c], feedback[i + 3 + 2 * c]);
    }
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

TEST(ViewRenderer, LatticeRowZeroIsDrawnAtTheBottom)
{
    TestModel model(4, 4, 0);
    model.setCell(0, 0, 2);
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 4, 4);
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame.pixel(0, 3), qRgb(255, 0, 0));
    EXPECT_EQ(frame.pixel(0, 0), black);
}

TEST(ViewRenderer, AxisInsetDrawsRedGreenAndBlueInTheLowerLeft)
{
    TestModel model(100, 100, 0);
    ViewCamera camera;
    camera.showAxis = true;
    camera.setAngles(30, 30, 0); // so the z axis shows as a line too
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), camera, 200, 200);
    ASSERT_FALSE(frame.isNull());
    QSet<QRgb> colours;
    bool elsewhere = false;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            colours.insert(frame.pixel(x, y));
            // Its origin sits at a tenth of the frame from the lower left and
            // the arms are 30 pixels long.
            elsewhere = elsewhere || (frame.pixel(x, y) != black && (x > 70 || y < 130));
        }
    }
    EXPECT_TRUE(colours.contains(qRgb(255, 0, 0)));
    EXPECT_TRUE(colours.contains(qRgb(0, 255, 0)));
    EXPECT_TRUE(colours.contains(qRgb(0, 0, 255)));
    EXPECT_FALSE(elsewhere);
}
