#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <qopengl.h>

#include "Automata/automaton.h"
#include "Automata/painter.h"
#include "Persistence/screenarchiver.h"
#include "batch/batchrun.h"

namespace {

// A 20 x 10 lattice of diagonal red and blue stripes that move one cell per
// step. Like the atomistic simulators, it saves what the view shows, through a
// screen archiver of the seam's view.
class MovingStripes : public Automata::Automaton {
public:
    MovingStripes() : archiver(Interaction::frameSource()), painter(this) {}

    void step() override
    {
        ++steps;
        if (saveAll && steps % interval == 0)
            archiver.saveStep(nullptr, nullptr, nullptr, 0, 0);
    }
    void save() override { archiver.save(nullptr, nullptr, nullptr, 0, 0); }
    void setSaveAll(bool on, int every) override
    {
        saveAll = on;
        interval = every;
    }
    Automata::Painter* getPainter() override { return &painter; }
    double getTime() override { return steps; }

    int steps = 0;

private:
    class StripesPainter : public Automata::Painter {
    public:
        explicit StripesPainter(MovingStripes* model) : Painter(model), model(model) {}
        void paint() override
        {
            glBegin(GL_QUADS);
            for (int x = 0; x < 20; ++x) {
                for (int y = 0; y < 10; ++y) {
                    if ((x + 2 * y + model->steps) % 5 < 2)
                        glColor3f(1.0f, 0.0f, 0.0f);
                    else
                        glColor3f(0.0f, 0.0f, 1.0f);
                    glVertex2i(x, y);
                    glVertex2i(x + 1, y);
                    glVertex2i(x + 1, y + 1);
                    glVertex2i(x, y + 1);
                }
            }
            glEnd();
        }
        int getWidth() override { return 20; }
        int getHeight() override { return 10; }

    private:
        MovingStripes* model;
    };

    Persistence::ScreenArchiver archiver;
    StripesPainter painter;
    bool saveAll = false;
    int interval = 1;
};

class ScreenSaveTest : public ::testing::Test {
protected:
    ScreenSaveTest()
    {
        options.modelIndex = 0;
        options.steps = 3;
        options.quiet = true;
        options.viewSize = QSize(64, 48);
        options.viewAngles[2] = 30.0;
        options.saveFile = dir.filePath(QStringLiteral("save.png"));
        options.saveAllFile = dir.filePath(QStringLiteral("series.png"));
        options.viewFile = dir.filePath(QStringLiteral("view.png"));
    }

    int execute()
    {
        Batch::BatchRun run(options, [](int, QWidget*) { return new MovingStripes; });
        return run.execute();
    }

    QImage picture(const char* name) const
    {
        return QImage(dir.filePath(QString::fromLatin1(name))).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir;
    Batch::BatchOptions options;
};

} // namespace

// --save and --save-all of a model that saves the view write what --view
// draws with the same size and angles, and the series follows the steps.
TEST_F(ScreenSaveTest, SaveAndSaveAllWriteWhatTheViewDraws)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "drawing the view needs a display";
    ASSERT_EQ(execute(), Batch::ExitOk);

    const QImage view = picture("view.png");
    ASSERT_EQ(view.size(), QSize(64, 48));
    int red = 0;
    int blue = 0;
    for (int y = 0; y < view.height(); ++y) {
        for (int x = 0; x < view.width(); ++x) {
            red += view.pixel(x, y) == qRgb(255, 0, 0);
            blue += view.pixel(x, y) == qRgb(0, 0, 255);
        }
    }
    EXPECT_GT(red, 0);
    EXPECT_GT(blue, red);
    EXPECT_EQ(picture("save.png"), view);

    // The first step only names the series: frames of steps 2 and 3.
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("series00000.png"))));
    EXPECT_EQ(picture("series00001.png"), view);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("series00002.png"))));
    EXPECT_NE(picture("series00000.png"), view);
}

// A view that cannot be drawn writes nothing and ends the run as a failed
// output, as --view does.
TEST_F(ScreenSaveTest, ViewThatCannotBeDrawnWritesNothingAndFails)
{
    options.viewFile.clear();
    options.viewSize = QSize(0, 0);
    EXPECT_EQ(execute(), Batch::ExitOutput);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    options.saveAllFile.clear();
    EXPECT_EQ(execute(), Batch::ExitOutput);
    EXPECT_FALSE(QFile::exists(options.saveFile));
}
