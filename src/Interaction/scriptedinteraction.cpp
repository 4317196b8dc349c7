#include "scriptedinteraction.h"

#include <QDialog>

namespace Interaction {

ScriptedInteraction::~ScriptedInteraction()
{
    closeForms();
}

void ScriptedInteraction::addSetting(const QString& name, const QString& value)
{
    settings.append(Setting{name, value, false});
}

QString ScriptedInteraction::openFileName(QWidget*, const QString& caption, const QString& folder,
                                          const QString& filter)
{
    fileCaptions.append(caption);
    fileFolders.append(folder);
    if (openFiles.isEmpty()) {
        unanswered.append(qMakePair(caption, filter));
        return QString();
    }
    return openFiles.takeFirst();
}

QString ScriptedInteraction::saveFileName(QWidget*, const QString& caption, const QString& folder,
                                          const QString&)
{
    fileCaptions.append(caption);
    fileFolders.append(folder);
    return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
}

void ScriptedInteraction::message(QMessageBox::Icon icon, QWidget*, const QString& title,
                                  const QString& text)
{
    shownMessages.append(Message{icon, title, text});
    if (onMessage)
        onMessage(shownMessages.last());
}

void ScriptedInteraction::note(const QString& line)
{
    madeNotes.append(line);
    if (onNote)
        onNote(line);
}

QMessageBox::StandardButton ScriptedInteraction::ask(QMessageBox::Icon icon, QWidget* parent,
                                                     const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    message(icon, parent, title, text);
    if (buttons.testFlag(questionAnswer))
        return questionAnswer;
    return defaultButton;
}

int ScriptedInteraction::exec(QDialog* dialog)
{
    shownDialogs.append(dialog->windowTitle());
    if (onDialog)
        onDialog(dialog);
    for (Setting& setting : settings) {
        if (setting.used)
            continue;
        QWidget* widget = WidgetScript::find(dialog, setting.name);
        if (!widget)
            continue;
        setting.used = true;
        QString error;
        if (WidgetScript::applyTo(widget, setting.value, &error) == WidgetScript::Result::BadValue)
            errors.append(error);
    }
    if (rejectNext) {
        rejectNext = false;
        dialog->reject();
        return QDialog::Rejected;
    }
    // The dialog's own accept() runs, with any checks the dialog makes there.
    dialog->setResult(QDialog::Rejected);
    dialog->accept();
    return dialog->result();
}

void ScriptedInteraction::showForm(QWidget* form)
{
    forms.append(form);
    if (onDialog)
        onDialog(form);
}

void ScriptedInteraction::closeForms()
{
    for (const QPointer<QWidget>& form : forms)
        delete form.data();
    forms.clear();
}

QList<QWidget*> ScriptedInteraction::openForms() const
{
    QList<QWidget*> open;
    for (const QPointer<QWidget>& form : forms)
        if (form)
            open.append(form.data());
    return open;
}

WidgetScript::Result ScriptedInteraction::setFormWidget(const QString& name, const QString& value,
                                                        QString* error)
{
    for (QWidget* form : openForms()) {
        QWidget* widget = WidgetScript::find(form, name);
        if (widget)
            return WidgetScript::applyTo(widget, value, error);
    }
    return WidgetScript::Result::NotFound;
}

bool ScriptedInteraction::mayAskAgain()
{
    if (!saveFiles.isEmpty())
        return true;
    repeated = true;
    return false;
}

QStringList ScriptedInteraction::unusedSettings() const
{
    QStringList unused;
    for (const Setting& setting : settings)
        if (!setting.used)
            unused.append(setting.name + QLatin1Char('=') + setting.value);
    return unused;
}

} // namespace Interaction
