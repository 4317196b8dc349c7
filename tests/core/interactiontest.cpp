#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "Interaction/widgetscript.h"
#include "testsupport.h"

namespace {

// A child widget of the dialog with an object name.
template <typename W>
W* named(QDialog* dialog, const char* name)
{
    W* widget = new W(dialog);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A dialog whose accept() refuses until its check box is ticked, and whose
// button asks for a file.
class OptionDialog : public QDialog {
public:
    OptionDialog()
    {
        setWindowTitle(QStringLiteral("Options"));
        spin->setRange(1, 10);
        spin->setValue(3);
        rate->setRange(0, 1);
        rate->setDecimals(3);
        mode->addItems({QStringLiteral("Open"), QStringLiteral("Closed")});
        slider->setRange(0, 100);
        connect(browse, &QPushButton::clicked, this, [this] {
            name->setText(Interaction::interaction().openFileName(this, QStringLiteral("Open"),
                                                            QString(), QString()));
        });
    }
    void accept() override
    {
        if (agree->isChecked())
            QDialog::accept();
    }
    QSpinBox* spin = named<QSpinBox>(this, "spnCount");
    QDoubleSpinBox* rate = named<QDoubleSpinBox>(this, "dbxRate");
    QLineEdit* name = named<QLineEdit>(this, "linName");
    QCheckBox* agree = named<QCheckBox>(this, "chkAgree");
    QComboBox* mode = named<QComboBox>(this, "cmbMode");
    QSlider* slider = named<QSlider>(this, "sldLevel");
    QPushButton* browse = named<QPushButton>(this, "btnBrowse");
};

} // namespace

TEST(ScriptedInteraction, AppliesSettingsThenAcceptsThroughTheDialog)
{
    TestSupport::ScriptedScope script;
    script->addSetting(QStringLiteral("spnCount"), QStringLiteral("7"));
    script->addSetting(QStringLiteral("dbxRate"), QStringLiteral("0.25"));
    script->addSetting(QStringLiteral("chkAgree"), QStringLiteral("true"));
    script->addSetting(QStringLiteral("cmbMode"), QStringLiteral("Closed"));
    script->addSetting(QStringLiteral("sldLevel"), QStringLiteral("40"));
    script->addSetting(QStringLiteral("btnBrowse"), QStringLiteral("click"));
    script->addSetting(QStringLiteral("notThere"), QStringLiteral("1"));
    script->queueOpenFile(QStringLiteral("/data/input.png"));
    OptionDialog dialog;
    EXPECT_EQ(Interaction::interaction().exec(&dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.spin->value(), 7);
    EXPECT_DOUBLE_EQ(dialog.rate->value(), 0.25);
    EXPECT_EQ(dialog.mode->currentIndex(), 1);
    EXPECT_EQ(dialog.slider->value(), 40);
    EXPECT_EQ(dialog.name->text(), QStringLiteral("/data/input.png"));
    EXPECT_EQ(script->unusedSettings(), QStringList{QStringLiteral("notThere=1")});
    EXPECT_EQ(script->dialogTitles(), QStringList{QStringLiteral("Options")});
    EXPECT_TRUE(script->settingErrors().isEmpty());
}

TEST(ScriptedInteraction, OutOfRangeAndMalformedValuesAreErrorsNotClamps)
{
    using Interaction::WidgetScript;
    OptionDialog dialog;
    const char* refused[][2] = {{"spnCount", "11"}, {"dbxRate", "0,5"}, {"cmbMode", "2"},
                                {"cmbMode", "Ajar"}, {"chkAgree", "yes"}, {"spnCount", "click"}};
    for (const auto& setting : refused) {
        QString error;
        EXPECT_EQ(WidgetScript::apply(&dialog, QString::fromLatin1(setting[0]), QString::fromLatin1(setting[1]), &error),
                  WidgetScript::Result::BadValue) << setting[0] << "=" << setting[1];
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(dialog.spin->value(), 3);
    EXPECT_EQ(WidgetScript::apply(&dialog, QStringLiteral("missing"), QStringLiteral("1")), WidgetScript::Result::NotFound);
    EXPECT_EQ(WidgetScript::apply(&dialog, QStringLiteral("cmbMode"), QStringLiteral("1")), WidgetScript::Result::Applied);
}
