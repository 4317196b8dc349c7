#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <qopengl.h>

#include "Automata/automaton.h"
#include "Automata/painter.h"
#include "Persistence/screenarchiver.h"
#include "batch/batchrun.h"

namespace {

// A red 3 x 3 block on a 20 x 10 lattice that moves one cell right per step,
// saved, as the atomistic simulators are, by a screen archiver of the seam's view.
class MovingBlock : public Automata::Automaton, public Automata::Painter {
public:
    MovingBlock() : Painter(this), archiver(Interaction::frameSource()) {}

    void step() override
    {
        ++steps;
        if (saveAll)
            archiver.saveStep(nullptr, nullptr, nullptr, 0, 0);
    }
    void save() override { archiver.save(nullptr, nullptr, nullptr, 0, 0); }
    void setSaveAll(bool on, int) override { saveAll = on; }
    Automata::Painter* getPainter() override { return this; }

    void paint() override
    {
        glColor3f(1.0f, 0.0f, 0.0f);
        glRecti(steps, 3, steps + 3, 6);
    }
    int getWidth() override { return 20; }
    int getHeight() override { return 10; }

private:
    Persistence::ScreenArchiver archiver;
    bool saveAll = false;
    int steps = 0;
};

int runMovingBlock(const Batch::BatchOptions& options)
{
    return Batch::BatchRun(options, [](int, QWidget*) { return new MovingBlock; }).execute();
}

QImage picture(const QTemporaryDir& dir, const char* name)
{
    return QImage(dir.filePath(QString::fromLatin1(name))).convertToFormat(QImage::Format_RGB32);
}

} // namespace

// --save and --save-all of a model that saves the view write what --view draws
// with the same size and angles, the series one frame per step from the
// second; a view that cannot be drawn writes nothing and fails the run.
TEST(ScreenSave, SaveAndSaveAllWriteWhatTheViewDraws)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "drawing the view needs a display";
    QTemporaryDir dir;
    Batch::BatchOptions options;
    options.steps = 3;
    options.quiet = true;
    options.viewSize = QSize(64, 48);
    options.viewAngles[2] = 30.0;
    options.saveFile = dir.filePath(QStringLiteral("save.png"));
    options.saveAllFile = dir.filePath(QStringLiteral("series.png"));
    options.viewFile = dir.filePath(QStringLiteral("view.png"));
    ASSERT_EQ(runMovingBlock(options), Batch::ExitOk);

    const QImage view = picture(dir, "view.png");
    ASSERT_EQ(view.size(), QSize(64, 48));
    int red = 0;
    for (int y = 0; y < view.height(); ++y)
        for (int x = 0; x < view.width(); ++x)
            red += view.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_GT(red, 4);
    EXPECT_EQ(picture(dir, "save.png"), view);
    EXPECT_NE(picture(dir, "series00000.png"), view);
    EXPECT_EQ(picture(dir, "series00001.png"), view);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("series00002.png"))));

    QTemporaryDir failing;
    options.viewFile.clear();
    options.viewSize = QSize(0, 0);
    options.saveFile = failing.filePath(QStringLiteral("save.png"));
    options.saveAllFile = failing.filePath(QStringLiteral("series.png"));
    EXPECT_EQ(runMovingBlock(options), Batch::ExitOutput);
    options.saveAllFile.clear();
    EXPECT_EQ(runMovingBlock(options), Batch::ExitOutput);
    EXPECT_TRUE(QDir(failing.path()).entryList(QDir::Files).isEmpty());
}
