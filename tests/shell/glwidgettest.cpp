#include <gtest/gtest.h>

#include <cmath>

#include <QMainWindow>
#include <QMouseEvent>
#include <QShortcut>
#include <QWheelEvent>

#include "glwidget.h"
#include "shellsupport.h"

using ShellTest::TestModel;
using ShellTest::processUntil;

namespace {

// A view of its own in a plain window, sized 400 x 300 and on screen.
struct ShownView {
    QMainWindow window;
    GLwidget* view;
    explicit ShownView(Automata::Painter* painter = nullptr)
    {
        view = new GLwidget(&window, painter);
        window.setCentralWidget(view);
        view->setFixedSize(400, 300);
        window.show();
        processUntil([this] { return view->isValid() && view->isVisible(); });
    }
};

void sendWheel(GLwidget* view, int delta)
{
    QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &event);
}

void sendMouse(GLwidget* view, QEvent::Type type, QPointF position)
{
    QMouseEvent event(type, position, position, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &event);
}

QShortcut* shortcutFor(QWidget* window, Qt::Key key)
{
    for (QShortcut* shortcut : window->findChildren<QShortcut*>())
        if (shortcut->key() == QKeySequence(key))
            return shortcut;
    return nullptr;
}

} // namespace

TEST(GLwidget, ShowsA200WideLatticeInTheMiddleHalfOfA400WideView)
{
    TestModel model(200, 100);
    ShownView shown;
    ASSERT_TRUE(shown.view->isValid());
    shown.view->setPainter(model.getPainter());
    const QImage frame = shown.view->grabFrame();
    ASSERT_EQ(frame.size(), QSize(400, 300) * shown.view->devicePixelRatioF());
    ASSERT_EQ(shown.view->devicePixelRatioF(), 1.0);
    EXPECT_EQ(frame.pixel(99, 150), qRgb(0, 0, 0));
    EXPECT_EQ(frame.pixel(100, 150), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(299, 150), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(300, 150), qRgb(0, 0, 0));

    // The offscreen renderer draws the very same picture.
    const QImage offscreen =
        ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 400, 300);
    EXPECT_EQ(frame, offscreen);

    // Without a painter the frame is empty.
    shown.view->setPainter(nullptr);
    const QImage empty = shown.view->grabFrame();
    EXPECT_EQ(empty.pixel(200, 150), qRgb(0, 0, 0));
}

TEST(GLwidget, RenderingOffClearsTheFrameAndIgnoresDragging)
{
    TestModel model(400, 300);
    ShownView shown(model.getPainter());
    shown.view->setRenderingEnabled(false);
    const QImage frame = shown.view->grabFrame();
    EXPECT_EQ(frame.pixel(200, 150), qRgb(0, 0, 0));
    EXPECT_EQ(frame.pixel(0, 0), qRgb(0, 0, 0));

    sendMouse(shown.view, QEvent::MouseButtonPress, QPointF(200, 150));
    sendMouse(shown.view, QEvent::MouseMove, QPointF(300, 100));
    EXPECT_FLOAT_EQ(shown.view->getCamera().orientation[0], 1.0f);

    // Zoom and pan still change their values.
    sendWheel(shown.view, 120);
    EXPECT_FLOAT_EQ(shown.view->getScale(), 2.2f);
    shown.view->setRenderingEnabled(true);
    EXPECT_EQ(shown.view->grabFrame().pixel(200, 150), qRgb(255, 255, 255));
}

TEST(GLwidget, TrackballDragRotatesButAMoveToThePressedPixelDoesNot)
{
    ShownView shown;
    sendMouse(shown.view, QEvent::MouseButtonPress, QPointF(120, 90));
    sendMouse(shown.view, QEvent::MouseMove, QPointF(120, 90));
    const float* q = shown.view->getCamera().orientation;
    EXPECT_FLOAT_EQ(q[0], 1.0f);
    EXPECT_FLOAT_EQ(q[1], 0.0f);
    EXPECT_FLOAT_EQ(q[2], 0.0f);
    EXPECT_FLOAT_EQ(q[3], 0.0f);

    // A horizontal drag turns about the vertical screen axis only.
    sendMouse(shown.view, QEvent::MouseButtonPress, QPointF(200, 150));
    sendMouse(shown.view, QEvent::MouseMove, QPointF(260, 150));
    EXPECT_LT(q[0], 1.0f);
    EXPECT_NEAR(q[1], 0.0f, 1e-6);
    EXPECT_GT(q[2], 0.0f);
    EXPECT_NEAR(q[3], 0.0f, 1e-6);
    EXPECT_NEAR(q[0] * q[0] + q[2] * q[2], 1.0f, 1e-5);
}

TEST(GLwidget, WheelNotchZoomsByTwoPointTwo)
{
    ShownView shown;
    sendWheel(shown.view, 120);
    EXPECT_FLOAT_EQ(shown.view->getScale(), 2.2f);
    sendWheel(shown.view, -120);
    sendWheel(shown.view, -120);
    EXPECT_FLOAT_EQ(shown.view->getScale(), 1.0f / 2.2f);

    // A zoomed-in view shows a 100-wide lattice 220 pixels wide.
    TestModel model(100, 100);
    shown.view->setPainter(model.getPainter());
    const QImage frame = shown.view->grabFrame();
    EXPECT_EQ(frame.pixel(200 - 111, 150), qRgb(0, 0, 0));
    EXPECT_EQ(frame.pixel(200 - 109, 150), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(200 + 109, 150), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(200 + 111, 150), qRgb(0, 0, 0));
}

TEST(GLwidget, PanKeysOfTheWindowMoveByFivePixels)
{
    ShownView shown;
    const Qt::Key keys[6] = {Qt::Key_Q, Qt::Key_W, Qt::Key_E, Qt::Key_A, Qt::Key_S, Qt::Key_D};
    for (Qt::Key key : keys) {
        QShortcut* shortcut = shortcutFor(&shown.window, key);
        ASSERT_NE(shortcut, nullptr) << key;
        EXPECT_EQ(shortcut->parent(), &shown.window);
    }
    const ViewCamera& camera = shown.view->getCamera();
    emit shortcutFor(&shown.window, Qt::Key_Q)->activated();
    EXPECT_FLOAT_EQ(camera.translateX, 5.0f);
    emit shortcutFor(&shown.window, Qt::Key_W)->activated();
    EXPECT_FLOAT_EQ(camera.translateY, 5.0f);
    emit shortcutFor(&shown.window, Qt::Key_E)->activated();
    EXPECT_FLOAT_EQ(camera.translateZ, 5.0f);

    sendWheel(shown.view, 120);
    emit shortcutFor(&shown.window, Qt::Key_A)->activated();
    EXPECT_FLOAT_EQ(camera.translateX, 5.0f - 11.0f);
    emit shortcutFor(&shown.window, Qt::Key_S)->activated();
    EXPECT_FLOAT_EQ(camera.translateY, 5.0f - 11.0f);
    emit shortcutFor(&shown.window, Qt::Key_D)->activated();
    EXPECT_FLOAT_EQ(camera.translateZ, 5.0f - 11.0f);

    // Panning moves the drawing: a pan of 5 to the right shifts its left edge.
    TestModel model(100, 100);
    shown.view->setPainter(model.getPainter());
    sendWheel(shown.view, -120);
    emit shortcutFor(&shown.window, Qt::Key_W)->activated();
    const QImage frame = shown.view->grabFrame();
    // translateX is now -6: the square spans 144 .. 243 across.
    EXPECT_EQ(frame.pixel(143, 150), qRgb(0, 0, 0));
    EXPECT_EQ(frame.pixel(144, 150), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(243, 150), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(244, 150), qRgb(0, 0, 0));
}

TEST(GLwidget, ViewAnglesAreAbsolute)
{
    ShownView shown;
    const float* q = shown.view->getCamera().orientation;
    shown.view->setViewAngle(90, 0, 0);
    EXPECT_NEAR(q[0], std::cos(M_PI / 4), 1e-6);
    EXPECT_NEAR(q[1], std::sin(M_PI / 4), 1e-6);
    EXPECT_NEAR(q[2], 0.0, 1e-6);
    EXPECT_NEAR(q[3], 0.0, 1e-6);
    shown.view->setViewAngle(0, 0, 0);
    EXPECT_FLOAT_EQ(q[0], 1.0f);
    EXPECT_FLOAT_EQ(q[1], 0.0f);
}

TEST(GLwidget, ViewOffScreenStillGrabsTheSamePicture)
{
    TestModel model(200, 100);
    GLwidget view(nullptr, model.getPainter());
    view.resize(400, 300);
    const QImage frame = view.grabFrame();
    ASSERT_EQ(frame.size(), QSize(400, 300));
    EXPECT_EQ(frame.pixel(99, 150), qRgb(0, 0, 0));
    EXPECT_EQ(frame.pixel(100, 150), qRgb(255, 255, 255));
}
