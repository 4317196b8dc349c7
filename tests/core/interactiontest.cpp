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

// A dialog whose accept() refuses until its check box is ticked, and whose
// button asks for a file.
class OptionDialog : public QDialog {
public:
    OptionDialog()
    {
        setWindowTitle(QStringLiteral("Options"));
        spin = new QSpinBox(this);
        spin->setObjectName(QStringLiteral("spnCount"));
        spin->setRange(1, 10);
        spin->setValue(3);
        rate = new QDoubleSpinBox(this);
        rate->setObjectName(QStringLiteral("dbxRate"));
        rate->setRange(0, 1);
        rate->setDecimals(3);
        name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("linName"));
        agree = new QCheckBox(this);
        agree->setObjectName(QStringLiteral("chkAgree"));
        mode = new QComboBox(this);
        mode->setObjectName(QStringLiteral("cmbMode"));
        mode->addItems({QStringLiteral("Open"), QStringLiteral("Closed")});
        slider = new QSlider(this);
        slider->setObjectName(QStringLiteral("sldLevel"));
        slider->setRange(0, 100);
        browse = new QPushButton(QStringLiteral("..."), this);
        browse->setObjectName(QStringLiteral("btnBrowse"));
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
    QSpinBox* spin;
    QDoubleSpinBox* rate;
    QLineEdit* name;
    QCheckBox* agree;
    QComboBox* mode;
    QSlider* slider;
    QPushButton* browse;
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

// A dialog that refuses to close counts as rejected.
TEST(ScriptedInteraction, RejectsWhenToldOnceOrWhenTheDialogRefusesToClose)
{
    TestSupport::ScriptedScope script;
    OptionDialog refusing;
    EXPECT_EQ(Interaction::interaction().exec(&refusing), QDialog::Rejected);
    script->addSetting(QStringLiteral("chkAgree"), QStringLiteral("true"));
    script->rejectNextDialog();
    OptionDialog first;
    EXPECT_EQ(Interaction::interaction().exec(&first), QDialog::Rejected);
    OptionDialog second;
    second.agree->setChecked(true);
    EXPECT_EQ(Interaction::interaction().exec(&second), QDialog::Accepted);
}

TEST(ScriptedInteraction, OutOfRangeAndMalformedValuesAreErrorsNotClamps)
{
    OptionDialog dialog;
    QString error;
    using R = Interaction::WidgetScript::Result;
    EXPECT_EQ(Interaction::WidgetScript::apply(&dialog, QStringLiteral("spnCount"), QStringLiteral("11"), &error),
              R::BadValue);
    EXPECT_EQ(dialog.spin->value(), 3);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Interaction::WidgetScript::apply(&dialog, QStringLiteral("dbxRate"), QStringLiteral("0,5")),
              R::BadValue);
    EXPECT_EQ(Interaction::WidgetScript::apply(&dialog, QStringLiteral("cmbMode"), QStringLiteral("2")),
              R::BadValue);
    EXPECT_EQ(Interaction::WidgetScript::apply(&dialog, QStringLiteral("cmbMode"), QStringLiteral("Ajar")),
              R::BadValue);
    EXPECT_EQ(Interaction::WidgetScript::apply(&dialog, QStringLiteral("chkAgree"), QStringLiteral("yes")),
              R::BadValue);
    EXPECT_EQ(Interaction::WidgetScript::apply(&dialog, QStringLiteral("spnCount"), QStringLiteral("click")),
              R::BadValue);
    EXPECT_EQ(Interaction::WidgetScript::apply(&dialog, QStringLiteral("missing"), QStringLiteral("1")),
              R::NotFound);
    EXPECT_EQ(Interaction::WidgetScript::apply(&dialog, QStringLiteral("cmbMode"), QStringLiteral("1")),
              R::Applied);
    EXPECT_EQ(Interaction::WidgetScript::kind(dialog.rate), QStringLiteral("double"));
    EXPECT_EQ(Interaction::WidgetScript::kind(dialog.browse), QStringLiteral("button"));
}

TEST(ScriptedInteraction, RecordsMessagesAndAnswersQuestions)
{
    TestSupport::ScriptedScope script;
    QStringList seen;
    script->onMessage = [&seen](const Interaction::ScriptedInteraction::Message& m) {
        seen.append(m.title + QLatin1Char('|') + m.text);
    };
    Interaction::interaction().warning(nullptr, QStringLiteral("Loader error"), QStringLiteral("bad"));
    script->setQuestionAnswer(QMessageBox::Cancel);
    EXPECT_EQ(Interaction::interaction().ask(QMessageBox::Warning, nullptr, QStringLiteral("Are you sure?"),
                                       QStringLiteral("Close?"), QMessageBox::Ok | QMessageBox::Cancel,
                                       QMessageBox::Cancel),
              QMessageBox::Cancel);
    script->setQuestionAnswer(QMessageBox::Ok);
    EXPECT_EQ(Interaction::interaction().ask(QMessageBox::Warning, nullptr, QString(), QString(),
                                       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel),
              QMessageBox::Ok);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Loader error|bad"),
                                 QStringLiteral("Are you sure?|Close?"), QStringLiteral("|")}));
}

TEST(ScriptedInteraction, KeepsFormsUntilClosedAndSetsTheirWidgets)
{
    TestSupport::ScriptedScope script;
    auto* form = new OptionDialog;
    QPointer<QWidget> watch(form);
    Interaction::interaction().showForm(form);
    EXPECT_EQ(script->setFormWidget(QStringLiteral("spnCount"), QStringLiteral("9")),
              Interaction::WidgetScript::Result::Applied);
    EXPECT_EQ(form->spin->value(), 9);
    EXPECT_EQ(script->setFormWidget(QStringLiteral("nothing"), QStringLiteral("9")),
              Interaction::WidgetScript::Result::NotFound);
    Interaction::interaction().closeForms();
    EXPECT_TRUE(watch.isNull());
    EXPECT_TRUE(script->openForms().isEmpty());
}
