#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QLocale>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/dealgroveoxidation2d.h"
#include "Ui/dealgroveoxidationoptionsdialog.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;

namespace {

const int plainEntry = 19;
const int dealGroveEntry = 20;
const int variableStepEntry = 21;

// Builds an entry from a 3 x 2 picture with every colour of the table, one
// pixel each, answering the option dialog with the given settings.
template <typename M = OxidationAutomaton2D>
std::unique_ptr<M> build(TestSupport::ScriptedScope& script, int entry,
                         const QList<QPair<QString, QString>>& settings = {})
{
    QTemporaryDir dir;
    QImage image(3, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(192, 192, 192));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(255, 255, 255));
    image.setPixel(1, 1, qRgb(191, 192, 192));
    image.setPixel(2, 1, qRgba(255, 0, 0, 60)); // alpha plays no part
    image.save(dir.filePath(QStringLiteral("palette.png")));
    script->queueOpenFile(dir.filePath(QStringLiteral("palette.png")));
    for (const auto& setting : settings)
        script->addSetting(setting.first, setting.second);
    return TestSupport::buildEntry<M>(entry);
}

} // namespace

TEST(OxidationLoaders, EveryEntryMapsTheColoursWithoutFlipAndPassesTheDialogValuesInOrder)
{
    for (const int entry : {plainEntry, dealGroveEntry, variableStepEntry}) {
        SCOPED_TRACE(entry);
        TestSupport::ScriptedScope script;
        const auto model = build(script, entry,
                                 {{"growthRateSpinBox", "0.5"}, {"cellSizeSpinBox", "0.02"},
                                  {"stepDurationSpinBox", "0.2"}, {"lateralSpeedupSpinBox", "3"}});
        ASSERT_NE(model, nullptr);
        ASSERT_EQ(model->getWidth(), 3);
        ASSERT_EQ(model->getHeight(), 2);
        // Cell (x, y) is element x * 2 + y and pixel (x, y).
        const FilmDepositionCell expected[] = {Film, Empty, Silicon, Empty, Oxide, Film};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(model->getCells()[i].type, expected[i]) << "cell " << i;
            EXPECT_TRUE(model->getCells()[i].value == 1.0f && model->getCells()[i].stamp == 0u);
        }
        EXPECT_NEAR(model->getRate(), 0.5 / (0.02 / 0.2), 1e-5);
        EXPECT_FLOAT_EQ(model->getCellSize(), 0.02f);
        EXPECT_FLOAT_EQ(model->getTimeStep(), 0.2f);
        EXPECT_FLOAT_EQ(model->getLateralSpeedup(), 3.0f);
        EXPECT_EQ(script->fileDialogCaptions(), QStringList{QStringLiteral("Open Image")});
        EXPECT_EQ(script->fileDialogFolders(), QStringList{QDir::currentPath()});
        EXPECT_TRUE(script->unusedSettings().isEmpty() && script->settingErrors().isEmpty());
    }
}

TEST(OxidationLoaders, DealGroveNumbersReadInTheirLocaleOrCFormAndAnEmptyB0KeepsTheDialogRate)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        Ui::DealGroveOxidationOptionsDialog dialog;
        const QString a0 = dialog.findChild<QLineEdit*>(QStringLiteral("a0LineEdit"))->text();
        EXPECT_TRUE(a0.startsWith(QStringLiteral("3,71"))) << a0.toStdString();
    }
    TestSupport::ScriptedScope script;
    const auto defaults = build<DealGroveOxidation2D>(script, dealGroveEntry);
    const auto cForm = build<DealGroveOxidation2D>(script, dealGroveEntry, {{"a0LineEdit", "2.5e6"}, {"b0LineEdit", "1.234"}});
    // Text that does not parse reads as 0, and B0 = 0 keeps the dialog's rate.
    const auto unparsable = build<DealGroveOxidation2D>(script, dealGroveEntry, {{"b0LineEdit", ""}});
    QLocale::setDefault(previous);
    ASSERT_TRUE(defaults && cForm && unparsable);
    // The dialog's defaults reach the model in order, the line edits' too.
    EXPECT_FLOAT_EQ(defaults->getTemperature(), 1073.0f);
    EXPECT_FLOAT_EQ(defaults->getInitialTime(), 1.4f);
    EXPECT_FLOAT_EQ(defaults->getLinearActivationEnergy(), 2.0f);
    EXPECT_FLOAT_EQ(defaults->getLinearPrefactor(), 3.71e6f);
    EXPECT_FLOAT_EQ(defaults->getParabolicActivationEnergy(), 1.23f);
    EXPECT_FLOAT_EQ(defaults->getParabolicPrefactor(), 772.0f);
    EXPECT_FLOAT_EQ(cForm->getLinearPrefactor(), 2.5e6f);
    EXPECT_FLOAT_EQ(cForm->getParabolicPrefactor(), 1.234f);
    EXPECT_EQ(unparsable->getParabolicPrefactor(), 0.0f);
    unparsable->step();
    unparsable->step();
    EXPECT_NEAR(unparsable->getRate(), 0.1, 1e-6);
    // The silicon cell (1, 0) beside the oxide (2, 0) loses 0.00056 per step.
    EXPECT_NEAR(unparsable->getCells()[1 * 2 + 0].value, 1.0 - 2 * 0.01 * 0.1 * 0.56, 1e-6);
}
