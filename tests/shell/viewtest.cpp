#include <gtest/gtest.h>

#include <cmath>

#include <QMainWindow>
#include <QMouseEvent>
#include <QSet>
#include <QShortcut>
#include <QWheelEvent>

#include "glwidget.h"
#include "shellsupport.h"
#include "viewrenderer.h"

using ShellTest::TestModel;
using ShellTest::expectQuaternion;

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
    model.setCell(0, 0, 2); // lattice row 0 is drawn at the bottom
    QString error;
    const QImage offscreen =
        ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 400, 300, &error);
    ASSERT_FALSE(offscreen.isNull()) << error.toStdString();
    EXPECT_FALSE(offscreen.hasAlphaChannel());
    // The 200 x 100 drawing spans 100 .. 299 across and 100 .. 199 down.
    QImage expected(400, 300, offscreen.format());
    expected.fill(black);
    for (int y = 100; y < 200; ++y)
        for (int x = 100; x < 300; ++x)
            expected.setPixel(x, y, x == 100 && y == 199 ? qRgb(255, 0, 0) : white);
    EXPECT_EQ(offscreen, expected);

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

TEST(GLwidget, RenderingOffClearsTheFrameAndStopsOnlyTheTrackball)
{
    TestModel model(400, 300);
    ShownView shown(model.getPainter());
    const float* q = shown.view->getCamera().orientation;
    shown.view->displayAxis(true);
    shown.view->setRenderingEnabled(false);
    const QImage frame = shown.view->grabFrame();
    QImage empty(frame.size(), frame.format());
    empty.fill(Qt::black);
    EXPECT_EQ(frame, empty);
    drag(shown.view, QPointF(200, 150), QPointF(300, 100));
    expectQuaternion(q, 1, 0, 0, 0);
    sendWheel(shown.view, 120);
    EXPECT_FLOAT_EQ(shown.view->getScale(), 2.2f);
    shown.view->increaseTranslateX();
    EXPECT_FLOAT_EQ(shown.view->getCamera().translateX, 11.0f);

    shown.view->setRenderingEnabled(true);
    EXPECT_EQ(shown.view->grabFrame().pixel(200, 150), white);
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
}

TEST(GLwidget, ViewAnglesAreAbsoluteAndGiveAColumnMajorRotationMatrix)
{
    GLwidget view(nullptr, nullptr);
    view.setViewAngle(90, 0, 0);
    view.setViewAngle(0, 0, 0);
    expectQuaternion(view.getCamera().orientation, 1, 0, 0, 0);

    // A quarter turn about z takes x to y and y to -x.
    ViewCamera camera;
    camera.setAngles(0, 0, 90);
    float m[16];
    camera.rotationMatrix(m);
    const float expected[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(m[i], expected[i], 1e-6) << i;
}

TEST(ViewRenderer, AxisInsetDrawsRedGreenAndBlueInTheLowerLeft)
{
    TestModel model(100, 100, 0);
    ViewCamera camera;
    camera.showAxis = true;
    camera.setAngles(30, 30, 0); // so the z axis shows as a line too
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), camera, 200, 200);
    ASSERT_FALSE(frame.isNull());
    // Its origin sits at a tenth of the frame from the lower left and the arms
    // are 30 pixels long.
    QSet<QRgb> colours;
    bool outside = false;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            colours.insert(frame.pixel(x, y));
            outside = outside || (frame.pixel(x, y) != black && (x > 70 || y < 130));
        }
    }
    EXPECT_FALSE(outside);
    for (QRgb colour : {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)})
        EXPECT_TRUE(colours.contains(colour)) << std::hex << colour;
}
