#include "viewrenderer.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QMutexLocker>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QScopedPointer>
#include <QSurface>
#include <qopengl.h>

#include "Automata/painter.h"

namespace {

const double pi = 3.14159265358979323846;

// Hamilton product a * b of quaternions (w, x, y, z).
void multiply(const double a[4], const double b[4], double out[4])
{
    out[0] = a[0] * b[0] - a[1] * b[1] - a[2] * b[2] - a[3] * b[3];
    out[1] = a[0] * b[1] + a[1] * b[0] + a[2] * b[3] - a[3] * b[2];
    out[2] = a[0] * b[2] - a[1] * b[3] + a[2] * b[0] + a[3] * b[1];
    out[3] = a[0] * b[3] + a[1] * b[2] - a[2] * b[1] + a[3] * b[0];
}

void drawAxisCross(float length)
{
    const float l = length;
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    glColor3f(1.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(l, 0.0f, 0.0f);
    glVertex3f(l, 0.0f, 0.0f);
    glVertex3f(0.9f * l, 0.0f, 0.1f * l);
    glVertex3f(l, 0.0f, 0.0f);
    glVertex3f(0.9f * l, 0.0f, -0.1f * l);

    glColor3f(0.0f, 1.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, l, 0.0f);
    glVertex3f(0.0f, l, 0.0f);
    glVertex3f(0.0f, 0.9f * l, 0.1f * l);
    glVertex3f(0.0f, l, 0.0f);
    glVertex3f(0.0f, 0.9f * l, -0.1f * l);

    glColor3f(0.0f, 0.0f, 1.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, l);
    glVertex3f(0.0f, 0.0f, l);
    glVertex3f(0.0f, 0.1f * l, 0.9f * l);
    glVertex3f(0.0f, 0.0f, l);
    glVertex3f(0.0f, -0.1f * l, 0.9f * l);
    glEnd();
    glLineWidth(1.0f);
}

} // namespace

void ViewCamera::setAngles(double angleX, double angleY, double angleZ)
{
    const double hx = angleX * pi / 360.0;
    const double hy = angleY * pi / 360.0;
    const double hz = angleZ * pi / 360.0;
    const double qx[4] = {std::cos(hx), std::sin(hx), 0.0, 0.0};
    const double qy[4] = {std::cos(hy), 0.0, std::sin(hy), 0.0};
    const double qz[4] = {std::cos(hz), 0.0, 0.0, std::sin(hz)};
    double qxy[4];
    double q[4];
    multiply(qx, qy, qxy);
    multiply(qxy, qz, q);
    for (int i = 0; i < 4; ++i)
        orientation[i] = static_cast<float>(q[i]);
}

void ViewCamera::rotationMatrix(float m[16]) const
{
    const float w = orientation[0];
    const float x = orientation[1];
    const float y = orientation[2];
    const float z = orientation[3];
    m[0] = 1.0f - 2.0f * (y * y + z * z);
    m[1] = 2.0f * (x * y + w * z);
    m[2] = 2.0f * (x * z - w * y);
    m[3] = 0.0f;
    m[4] = 2.0f * (x * y - w * z);
    m[5] = 1.0f - 2.0f * (x * x + z * z);
    m[6] = 2.0f * (y * z + w * x);
    m[7] = 0.0f;
    m[8] = 2.0f * (x * z + w * y);
    m[9] = 2.0f * (y * z - w * x);
    m[10] = 1.0f - 2.0f * (x * x + y * y);
    m[11] = 0.0f;
    m[12] = 0.0f;
    m[13] = 0.0f;
    m[14] = 0.0f;
    m[15] = 1.0f;
}

bool ViewCamera::dragRotate(const float from[3], const float to[3])
{
    const double cx = double(from[1]) * to[2] - double(from[2]) * to[1];
    const double cy = double(from[2]) * to[0] - double(from[0]) * to[2];
    const double cz = double(from[0]) * to[1] - double(from[1]) * to[0];
    const double length = std::sqrt(cx * cx + cy * cy + cz * cz);
    const double dot = double(from[0]) * to[0] + double(from[1]) * to[1] + double(from[2]) * to[2];
    const double h = (1.0 + dot) / 2.0;
    const double s = std::sqrt(1.0 - h);
    const double drag[4] = {std::sqrt(h), cx / length * s, cy / length * s, cz / length * s};
    for (double component : drag)
        if (!std::isfinite(component))
            return false;
    const double current[4] = {orientation[0], orientation[1], orientation[2], orientation[3]};
    double q[4];
    multiply(drag, current, q);
    for (double component : q)
        if (!std::isfinite(component))
            return false;
    for (int i = 0; i < 4; ++i)
        orientation[i] = static_cast<float>(q[i]);
    return true;
}

void ViewCamera::zoomByWheel(int delta)
{
    const float d = delta * 0.01f;
    if (d < 0.0f)
        scale = scale / (1.0f - d);
    else
        scale = scale * (1.0f + d);
}

void ViewCamera::pan(int axis, int direction)
{
    const float step = 5.0f * scale * (direction < 0 ? -1.0f : 1.0f);
    if (axis == 0)
        translateX += step;
    else if (axis == 1)
        translateY += step;
    else
        translateZ += step;
}

void ViewCamera::mapToSphere(double x, double y, int width, int height, float point[3])
{
    const double halfWidth = width / 2.0;
    const double halfHeight = height / 2.0;
    double px = halfWidth > 0.0 ? (x - halfWidth) / halfWidth : 0.0;
    double py = halfHeight > 0.0 ? -(y - halfHeight) / halfHeight : 0.0;
    const double rest = 1.0 - px * px - py * py;
    double pz = 0.0;
    if (rest > 0.0) {
        pz = std::sqrt(rest);
    } else {
        const double length = std::sqrt(px * px + py * py);
        px /= length;
        py /= length;
    }
    point[0] = static_cast<float>(px);
    point[1] = static_cast<float>(py);
    point[2] = static_cast<float>(pz);
}

void ViewRenderer::initializeState()
{
    const GLfloat specular[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat shininess[] = {50.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT, GL_SHININESS, shininess);
    // A directional light; its position is taken in the identity model-view.
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const GLfloat position[] = {1.0f, 1.0f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glPopMatrix();
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

void ViewRenderer::resetDrawingState()
{
    glShadeModel(GL_FLAT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_DEPTH_TEST);
    // Depth writes on before the frame's clear, which they would mask.
    glDepthMask(GL_TRUE);
    glDisable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_COLOR_MATERIAL);
    // Opaque, so that the window shows the view's black and not what lies beneath.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
}

void ViewRenderer::setProjection(int width, int height, float scale)
{
    const double m = std::max(width, height);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-width * scale / 2.0, width * scale / 2.0, -height * scale / 2.0,
            height * scale / 2.0, -m * scale / 2.0, m * scale / 2.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void ViewRenderer::paintFrame(const ViewCamera& camera, Automata::Painter* painter,
                              QMutex* painterMutex, int width, int height)
{
    int viewWidth = 0;
    int viewHeight = 0;
    paintFrame(camera, painter, painterMutex, width, height, viewWidth, viewHeight);
}

void ViewRenderer::paintFrame(const ViewCamera& camera, Automata::Painter* painter,
                              QMutex* painterMutex, int width, int height, int& viewWidth,
                              int& viewHeight)
{
    // Every frame starts from the same state, whatever the last painter left.
    resetDrawingState();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!camera.renderingEnabled)
        return;

    float rotation[16];
    camera.rotationMatrix(rotation);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMultMatrixf(rotation);

    {
        // The painter is read and used only while nobody can replace it.
        QMutexLocker lock(painterMutex);
        if (painter) {
            viewWidth = painter->getWidth();
            viewHeight = painter->getHeight();
        }
        glTranslatef(camera.translateX - viewWidth / 2.0f, camera.translateY - viewHeight / 2.0f,
                     camera.translateZ);
        if (painter)
            painter->paint();
    }

    if (camera.showAxis) {
        const float s = camera.scale;
        const double m = std::max(width, height);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0.0, width * s, 0.0, height * s, -m * s, m * s);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glTranslatef(0.1f * s * width, 0.1f * s * height, 0.0f);
        glMultMatrixf(rotation);
        drawAxisCross(0.3f * std::min(viewWidth, viewHeight) * s);
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
    }

    glPopMatrix();
}

QImage ViewRenderer::readFrame(int width, int height)
{
    QImage rgba(width, height, QImage::Format_RGBA8888);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.bits());
    // OpenGL rows run bottom to top; the frame is shown opaque whatever alpha
    // the painters left behind.
    QImage frame(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const uchar* source = rgba.constScanLine(height - 1 - y);
        QRgb* target = reinterpret_cast<QRgb*>(frame.scanLine(y));
        for (int x = 0; x < width; ++x)
            target[x] = qRgb(source[4 * x], source[4 * x + 1], source[4 * x + 2]);
    }
    return frame;
}

QImage ViewRenderer::renderOffscreen(Automata::Painter* painter, const ViewCamera& camera, int width,
                                     int height, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return QImage();
    };
    if (width <= 0 || height <= 0)
        return fail(QStringLiteral("the frame size must be positive"));
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return fail(QStringLiteral("no OpenGL context (needs a GUI application)"));

    QOpenGLContext* previousContext = QOpenGLContext::currentContext();
    QSurface* previousSurface = previousContext ? previousContext->surface() : nullptr;

    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);

    QImage frame;
    {
        QOpenGLContext context;
        context.setFormat(format);
        QOffscreenSurface surface;
        surface.setFormat(format);
        surface.create();
        if (!context.create() || context.isOpenGLES() || !surface.isValid()
            || !context.makeCurrent(&surface)) {
            if (previousContext)
                previousContext->makeCurrent(previousSurface);
            return fail(QStringLiteral("no OpenGL context (needs an X display; run under xvfb-run)"));
        }
        {
            QOpenGLFramebufferObjectFormat fboFormat;
            fboFormat.setAttachment(QOpenGLFramebufferObject::Depth);
            QOpenGLFramebufferObject fbo(width, height, fboFormat);
            if (!fbo.isValid() || !fbo.bind()) {
                context.doneCurrent();
                if (previousContext)
                    previousContext->makeCurrent(previousSurface);
                return fail(QStringLiteral("no offscreen framebuffer of %1 x %2 pixels")
                                .arg(width)
                                .arg(height));
            }
            // The same sequence a fresh view runs: set-up, attach, resize, paint.
            initializeState();
            setProjection(width, height, camera.scale);
            paintFrame(camera, painter, nullptr, width, height);
            glFinish();
            frame = readFrame(width, height);
            fbo.release();
        }
        context.doneCurrent();
    }
    if (previousContext)
        previousContext->makeCurrent(previousSurface);
    if (error)
        error->clear();
    return frame;
}
