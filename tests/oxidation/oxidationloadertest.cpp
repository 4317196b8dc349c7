#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>

#include "Automata/FilmDeposition/dealgroveoxidation2d.h"
#include "Automata/FilmDeposition/vtsoxidation2d.h"
#include "Input/catalogue.h"
#include "Input/imageinput.h"
#include "Ui/dealgroveoxidationoptionsdialog.h"
#include "Ui/oxidationoptionsdialog.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;

namespace {

const int plainEntry = 19;
const int dealGroveEntry = 20;
const int variableStepEntry = 21;

// A 3 x 2 picture with every colour of the table, one pixel each.
QString writePalette(const QTemporaryDir& dir)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(192, 192, 192));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(255, 255, 255));
    image.setPixel(1, 1, qRgb(191, 192, 192));
    image.setPixel(2, 1, qRgba(255, 0, 0, 60)); // alpha plays no part
    const QString path = dir.filePath(QStringLiteral("palette.png"));
    image.save(path);
    return path;
}

std::unique_ptr<OxidationAutomaton2D> build(int entry)
{
    return std::unique_ptr<OxidationAutomaton2D>(
        dynamic_cast<OxidationAutomaton2D*>(Input::AutomatonFactory(entry, nullptr)));
}

// Restores the default locale a test changes.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(previous); }

private:
    QLocale previous;
};

QString visibleLabel(QWidget* dialog, QWidget* field)
{
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            QTextDocument document;
            document.setHtml(label->text());
            return document.toPlainText();
        }
    }
    return QString();
}

void expectSpinBox(QWidget* dialog, const char* name, const QString& label, double minimum,
                   double maximum, double step, double value)
{
    auto* box = dialog->findChild<QDoubleSpinBox*>(QString::fromLatin1(name));
    ASSERT_NE(box, nullptr) << name;
    EXPECT_EQ(visibleLabel(dialog, box), label) << name;
    EXPECT_EQ(box->decimals(), 4) << name;
    EXPECT_DOUBLE_EQ(box->minimum(), minimum) << name;
    EXPECT_DOUBLE_EQ(box->maximum(), maximum) << name;
    EXPECT_DOUBLE_EQ(box->singleStep(), step) << name;
    EXPECT_DOUBLE_EQ(box->value(), value) << name;
}

} // namespace

TEST(OxidationLoaders, EveryEntryMapsTheColoursTheSameWayWithoutFlip)
{
    QTemporaryDir dir;
    const QString palette = writePalette(dir);
    for (const int entry : {plainEntry, dealGroveEntry, variableStepEntry}) {
        TestSupport::ScriptedScope script;
        script->queueOpenFile(palette);
        const auto model = build(entry);
        ASSERT_NE(model, nullptr) << entry;
        ASSERT_EQ(model->getWidth(), 3);
        ASSERT_EQ(model->getHeight(), 2);
        const FilmCell* cells = model->getCells();
        // Cell (x, y) is element x * 2 + y and pixel (x, y).
        const FilmDepositionCell expected[] = {Film, Empty, Silicon, Empty, Oxide, Film};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(cells[i].type, expected[i]) << "entry " << entry << " cell " << i;
            EXPECT_EQ(cells[i].value, 1.0f);
            EXPECT_EQ(cells[i].stamp, 0u);
        }
        EXPECT_EQ(script->dialogTitles(), QStringList{QStringLiteral("Dialog")});
        EXPECT_EQ(script->fileDialogCaptions(), QStringList{QStringLiteral("Open Image")});
        EXPECT_EQ(script->fileDialogFolders(), QStringList{Input::ImageInput::examplesFolder()});
        EXPECT_TRUE(script->messages().isEmpty());
    }
}

TEST(OxidationLoaders, UnreadableOrCancelledImageWarnsAndBuildsNothing)
{
    for (const int entry : {plainEntry, dealGroveEntry, variableStepEntry}) {
        for (const QString& answer : {QStringLiteral("/no/such/picture.png"), QString()}) {
            TestSupport::ScriptedScope script;
            script->queueOpenFile(answer);
            EXPECT_EQ(build(entry), nullptr);
            ASSERT_EQ(script->messages().size(), 1);
            EXPECT_EQ(script->messages()[0].icon, QMessageBox::Warning);
            EXPECT_EQ(script->messages()[0].title, QString());
            EXPECT_EQ(script->messages()[0].text, QStringLiteral("Could not open input file!"));
            EXPECT_TRUE(script->dialogTitles().isEmpty()) << "no option dialog after a failure";
        }
    }
}

TEST(OxidationLoaders, CancelledOptionDialogBuildsNothingSilently)
{
    QTemporaryDir dir;
    const QString palette = writePalette(dir);
    for (const int entry : {plainEntry, dealGroveEntry, variableStepEntry}) {
        TestSupport::ScriptedScope script;
        script->queueOpenFile(palette);
        script->rejectNextDialog();
        EXPECT_EQ(build(entry), nullptr);
        EXPECT_TRUE(script->messages().isEmpty());
    }
}

TEST(OxidationLoaders, DialogValuesReachTheModels)
{
    QTemporaryDir dir;
    const QString palette = writePalette(dir);
    {
        TestSupport::ScriptedScope script;
        script->queueOpenFile(palette);
        const auto plain = build(plainEntry);
        ASSERT_NE(plain, nullptr);
        EXPECT_NEAR(plain->getRate(), 0.1, 1e-6);
        EXPECT_FLOAT_EQ(plain->getTimeStep(), 0.01f);
        EXPECT_FLOAT_EQ(plain->getCellSize(), 0.001f);
        EXPECT_FLOAT_EQ(plain->getLateralSpeedup(), 1.0f);
    }
    {
        TestSupport::ScriptedScope script;
        script->queueOpenFile(palette);
        script->addSetting(QStringLiteral("growthRateSpinBox"), QStringLiteral("0.5"));
        script->addSetting(QStringLiteral("cellSizeSpinBox"), QStringLiteral("0.02"));
        script->addSetting(QStringLiteral("stepDurationSpinBox"), QStringLiteral("0.2"));
        script->addSetting(QStringLiteral("lateralSpeedupSpinBox"), QStringLiteral("0"));
        const auto model = build(variableStepEntry);
        ASSERT_NE(dynamic_cast<VtsOxidation2D*>(model.get()), nullptr);
        EXPECT_NEAR(model->getRate(), 0.5 / (0.02 / 0.2), 1e-5);
        EXPECT_FLOAT_EQ(model->getCellSize(), 0.02f);
        EXPECT_FLOAT_EQ(model->getLateralSpeedup(), 0.0f);
        EXPECT_TRUE(script->unusedSettings().isEmpty());
        EXPECT_TRUE(script->settingErrors().isEmpty());
    }
    {
        TestSupport::ScriptedScope script;
        script->queueOpenFile(palette);
        const auto model = build(dealGroveEntry);
        const auto* dealGrove = dynamic_cast<DealGroveOxidation2D*>(model.get());
        ASSERT_NE(dealGrove, nullptr);
        EXPECT_NEAR(dealGrove->getRate(), 0.1, 1e-6);
        EXPECT_FLOAT_EQ(dealGrove->getTemperature(), 1073.0f);
        EXPECT_FLOAT_EQ(dealGrove->getInitialTime(), 1.4f);
        EXPECT_FLOAT_EQ(dealGrove->getLinearActivationEnergy(), 2.0f);
        EXPECT_FLOAT_EQ(dealGrove->getLinearPrefactor(), 3.71e6f);
        EXPECT_FLOAT_EQ(dealGrove->getParabolicActivationEnergy(), 1.23f);
        EXPECT_FLOAT_EQ(dealGrove->getParabolicPrefactor(), 772.0f);
    }
}

TEST(OxidationLoaders, DealGroveDefaultsSurviveACommaLocale)
{
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    const QString palette = writePalette(dir);
    {
        Ui::DealGroveOxidationOptionsDialog dialog;
        const QString a0 = dialog.findChild<QLineEdit*>(QStringLiteral("a0LineEdit"))->text();
        EXPECT_TRUE(a0.startsWith(QStringLiteral("3,71"))) << a0.toStdString();
        EXPECT_DOUBLE_EQ(dialog.a0(), 3.71e6);
        EXPECT_DOUBLE_EQ(dialog.b0(), 772.0);
    }
    {
        TestSupport::ScriptedScope script;
        script->queueOpenFile(palette);
        const auto model = build(dealGroveEntry);
        const auto* dealGrove = dynamic_cast<DealGroveOxidation2D*>(model.get());
        ASSERT_NE(dealGrove, nullptr);
        EXPECT_FLOAT_EQ(dealGrove->getLinearPrefactor(), 3.71e6f);
        EXPECT_FLOAT_EQ(dealGrove->getParabolicPrefactor(), 772.0f);
    }
    {
        // Numbers in the C form are read as well, whatever the locale.
        TestSupport::ScriptedScope script;
        script->queueOpenFile(palette);
        script->addSetting(QStringLiteral("a0LineEdit"), QStringLiteral("2.5e6"));
        script->addSetting(QStringLiteral("b0LineEdit"), QStringLiteral("1.234"));
        const auto model = build(dealGroveEntry);
        const auto* dealGrove = dynamic_cast<DealGroveOxidation2D*>(model.get());
        ASSERT_NE(dealGrove, nullptr);
        EXPECT_FLOAT_EQ(dealGrove->getLinearPrefactor(), 2.5e6f);
        EXPECT_FLOAT_EQ(dealGrove->getParabolicPrefactor(), 1.234f);
    }
    EXPECT_DOUBLE_EQ(Ui::DealGroveOxidationOptionsDialog::parseNumber(QStringLiteral("7,5")), 7.5);
    EXPECT_DOUBLE_EQ(Ui::DealGroveOxidationOptionsDialog::parseNumber(QStringLiteral("1e3")), 1000.0);
}

TEST(OxidationLoaders, UnparsableDealGroveTextReadsAsZeroAndKeepsTheDialogRate)
{
    QTemporaryDir dir;
    const QString palette = writePalette(dir);
    TestSupport::ScriptedScope script;
    script->queueOpenFile(palette);
    script->addSetting(QStringLiteral("b0LineEdit"), QString());
    const auto model = build(dealGroveEntry);
    const auto* dealGrove = dynamic_cast<DealGroveOxidation2D*>(model.get());
    ASSERT_NE(dealGrove, nullptr);
    EXPECT_EQ(dealGrove->getParabolicPrefactor(), 0.0f);
    model->step();
    model->step();
    EXPECT_NEAR(model->getRate(), 0.1, 1e-6);
    EXPECT_EQ(Ui::DealGroveOxidationOptionsDialog::parseNumber(QStringLiteral("abc")), 0.0);
}

TEST(OxidationDialogs, FieldsLabelsRangesAndDefaults)
{
    const QString micro = QString::fromUtf8("\xC2\xB5");
    Ui::OxidationOptionsDialog plain;
    EXPECT_EQ(plain.objectName(), QStringLiteral("OxidationOptionsDialogForm"));
    EXPECT_EQ(plain.windowTitle(), QStringLiteral("Dialog"));
    expectSpinBox(&plain, "cellSizeSpinBox", QStringLiteral("Cell Size (%1m)").arg(micro), 0.0001,
                  9999, 0.001, 0.001);
    expectSpinBox(&plain, "growthRateSpinBox", QStringLiteral("Growth Rate (%1m / hr)").arg(micro),
                  0.0001, 9999, 0.001, 0.01);
    expectSpinBox(&plain, "stepDurationSpinBox", QStringLiteral("Step Duration (hr)"), 0.0001, 9999,
                  0.001, 0.01);
    expectSpinBox(&plain, "lateralSpeedupSpinBox", QStringLiteral("Lateral Speedup"), 0, 100000,
                  0.001, 1.0);

    Ui::DealGroveOxidationOptionsDialog dealGrove;
    EXPECT_EQ(dealGrove.objectName(), QStringLiteral("DealGroveOxidationOptionsDialogForm"));
    EXPECT_EQ(dealGrove.windowTitle(), QStringLiteral("Dialog"));
    expectSpinBox(&dealGrove, "growthRateSpinBox",
                  QStringLiteral("Growth Rate (%1m / hr)").arg(micro), 0.0001, 9999, 0.001, 0.01);
    expectSpinBox(&dealGrove, "cellSizeSpinBox", QStringLiteral("Cell Size (%1m)").arg(micro),
                  0.0001, 9999, 0.001, 0.001);
    expectSpinBox(&dealGrove, "temperatureSpinBox", QStringLiteral("Temperature (K)"), 0.0001, 9999,
                  1.0, 1073);
    expectSpinBox(&dealGrove, "linearActivationEnergySpinBox",
                  QStringLiteral("EA Linear Rate Constant (eV)"), 0.0001, 9999, 0.001, 2.0);
    expectSpinBox(&dealGrove, "parabolicActivationEnergySpinBox",
                  QStringLiteral("EA Parabolic Rate Constant (eV)"), 0.0001, 9999, 0.001, 1.23);
    expectSpinBox(&dealGrove, "initialTimeSpinBox", QStringLiteral("Initial time (hr)"), 0.0001,
                  9999, 0.001, 1.4);
    auto* b0 = dealGrove.findChild<QLineEdit*>(QStringLiteral("b0LineEdit"));
    ASSERT_NE(b0, nullptr);
    EXPECT_EQ(visibleLabel(&dealGrove, b0), QStringLiteral("B0 (%1m2 / hr)").arg(micro));
    EXPECT_NE(b0->validator(), nullptr);
    QStringList headings;
    for (QLabel* label : dealGrove.findChildren<QLabel*>())
        if (!label->buddy())
            headings << label->text();
    EXPECT_EQ(headings, (QStringList{QStringLiteral("Automaton Parameters"),
                                     QStringLiteral("Deal-Grove Parameters")}));
}
