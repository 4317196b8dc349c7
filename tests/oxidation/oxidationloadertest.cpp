#include <QDir>
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
#include "Input/catalogue.h"
#include "Ui/dealgroveoxidationoptionsdialog.h"
#include "Ui/oxidationoptionsdialog.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;

namespace {

const int plainEntry = 19;
const int dealGroveEntry = 20;
const int variableStepEntry = 21;

// Builds an entry from a 3 x 2 picture with every colour of the table, one
// pixel each, answering the option dialog with the given settings.
std::unique_ptr<OxidationAutomaton2D> build(TestSupport::ScriptedScope& script, int entry,
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
    return std::unique_ptr<OxidationAutomaton2D>(
        dynamic_cast<OxidationAutomaton2D*>(Input::AutomatonFactory(entry, nullptr)));
}

const DealGroveOxidation2D& dealGrove(const std::unique_ptr<OxidationAutomaton2D>& model)
{
    return dynamic_cast<const DealGroveOxidation2D&>(*model);
}

} // namespace

TEST(OxidationLoaders, EveryEntryMapsTheColoursWithoutFlipAndPassesTheDialogValuesInOrder)
{
    for (const int entry : {plainEntry, dealGroveEntry, variableStepEntry}) {
        SCOPED_TRACE(entry);
        TestSupport::ScriptedScope script;
        // A cancelled image warns; a cancelled option dialog is silent.
        script->queueOpenFile(QString());
        EXPECT_EQ(Input::AutomatonFactory(entry, nullptr), nullptr);
        script->rejectNextDialog();
        EXPECT_EQ(build(script, entry), nullptr);
        ASSERT_EQ(script->messages().size(), 1);
        EXPECT_EQ(script->messages()[0].icon, QMessageBox::Warning);
        EXPECT_EQ(script->messages()[0].text, QStringLiteral("Could not open input file!"));
        EXPECT_EQ(script->dialogTitles(), QStringList{QStringLiteral("Dialog")});

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
        EXPECT_EQ(script->fileDialogCaptions().count(QStringLiteral("Open Image")), 3);
        EXPECT_EQ(script->fileDialogFolders().first(), QDir::currentPath());
        EXPECT_EQ(script->messages().size(), 1);
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
    const auto defaults = build(script, dealGroveEntry);
    const auto cForm =
        build(script, dealGroveEntry, {{"a0LineEdit", "2.5e6"}, {"b0LineEdit", "1.234"}});
    // Text that does not parse reads as 0, and B0 = 0 keeps the dialog's rate.
    const auto unparsable = build(script, dealGroveEntry, {{"b0LineEdit", ""}});
    QLocale::setDefault(previous);
    ASSERT_TRUE(defaults && cForm && unparsable);
    // The dialog's defaults reach the model in order, the line edits' too.
    EXPECT_FLOAT_EQ(dealGrove(defaults).getTemperature(), 1073.0f);
    EXPECT_FLOAT_EQ(dealGrove(defaults).getInitialTime(), 1.4f);
    EXPECT_FLOAT_EQ(dealGrove(defaults).getLinearActivationEnergy(), 2.0f);
    EXPECT_FLOAT_EQ(dealGrove(defaults).getLinearPrefactor(), 3.71e6f);
    EXPECT_FLOAT_EQ(dealGrove(defaults).getParabolicActivationEnergy(), 1.23f);
    EXPECT_FLOAT_EQ(dealGrove(defaults).getParabolicPrefactor(), 772.0f);
    EXPECT_FLOAT_EQ(dealGrove(cForm).getLinearPrefactor(), 2.5e6f);
    EXPECT_FLOAT_EQ(dealGrove(cForm).getParabolicPrefactor(), 1.234f);
    EXPECT_EQ(dealGrove(unparsable).getParabolicPrefactor(), 0.0f);
    unparsable->step();
    unparsable->step();
    EXPECT_NEAR(unparsable->getRate(), 0.1, 1e-6);
    // The silicon cell (1, 0) beside the oxide (2, 0) loses 0.00056 per step.
    EXPECT_NEAR(unparsable->getCells()[1 * 2 + 0].value, 1.0 - 2 * 0.01 * 0.1 * 0.56, 1e-6);
}

TEST(OxidationDialogs, FieldsLabelsRangesAndDefaults)
{
    Ui::OxidationOptionsDialog plain;
    Ui::DealGroveOxidationOptionsDialog dealGrove;
    EXPECT_EQ(plain.objectName(), QStringLiteral("OxidationOptionsDialogForm"));
    EXPECT_EQ(dealGrove.objectName(), QStringLiteral("DealGroveOxidationOptionsDialogForm"));
    EXPECT_EQ(plain.windowTitle(), QStringLiteral("Dialog"));
    EXPECT_EQ(dealGrove.windowTitle(), QStringLiteral("Dialog"));
    QStringList headings;
    for (QLabel* label : dealGrove.findChildren<QLabel*>())
        if (!label->buddy())
            headings << label->text();
    EXPECT_EQ(headings, (QStringList{"Automaton Parameters", "Deal-Grove Parameters"}));

    // The first four fields are in both dialogs; the line edits have no range.
    const struct {
        const char* name;
        const char* label;
        double minimum, maximum, step, value;
    } fields[] = {
        {"cellSizeSpinBox", u8"Cell Size (\u00B5m)", 0.0001, 9999, 0.001, 0.001},
        {"growthRateSpinBox", u8"Growth Rate (\u00B5m / hr)", 0.0001, 9999, 0.001, 0.01},
        {"stepDurationSpinBox", "Step Duration (hr)", 0.0001, 9999, 0.001, 0.01},
        {"lateralSpeedupSpinBox", "Lateral Speedup", 0, 100000, 0.001, 1.0},
        {"temperatureSpinBox", "Temperature (K)", 0.0001, 9999, 1.0, 1073},
        {"linearActivationEnergySpinBox", "EA Linear Rate Constant (eV)", 0.0001, 9999, 0.001, 2.0},
        {"parabolicActivationEnergySpinBox", "EA Parabolic Rate Constant (eV)", 0.0001, 9999, 0.001,
         1.23},
        {"initialTimeSpinBox", "Initial time (hr)", 0.0001, 9999, 0.001, 1.4},
        {"a0LineEdit", u8"A0 (\u00B5m)", 0, 0, 0, 0},
        {"b0LineEdit", u8"B0 (\u00B5m2 / hr)", 0, 0, 0, 0},
    };
    for (const auto& field : fields) {
        for (QDialog* dialog : {static_cast<QDialog*>(&dealGrove), static_cast<QDialog*>(&plain)}) {
            if (dialog == &plain && &field - fields >= 4)
                continue;
            SCOPED_TRACE(field.name);
            QWidget* widget = dialog->findChild<QWidget*>(QString::fromLatin1(field.name));
            ASSERT_NE(widget, nullptr);
            QString label; // the visible text of the label that names the field
            for (QLabel* candidate : dialog->findChildren<QLabel*>())
                if (candidate->buddy() == widget) {
                    QTextDocument document;
                    document.setHtml(candidate->text());
                    label = document.toPlainText();
                }
            EXPECT_EQ(label, QString::fromUtf8(field.label));
            if (auto* box = qobject_cast<QDoubleSpinBox*>(widget)) {
                EXPECT_EQ(box->decimals(), 4);
                EXPECT_DOUBLE_EQ(box->minimum(), field.minimum);
                EXPECT_DOUBLE_EQ(box->maximum(), field.maximum);
                EXPECT_DOUBLE_EQ(box->singleStep(), field.step);
                EXPECT_DOUBLE_EQ(box->value(), field.value);
            } else {
                EXPECT_NE(qobject_cast<QLineEdit*>(widget)->validator(), nullptr);
            }
        }
    }
}
