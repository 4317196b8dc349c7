#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

namespace Interaction {

// Everything that asks the user something goes through here: file names,
// message and question boxes, modal dialogs and modeless forms. The program
// installs QtInteraction; tests and the batch runner install ScriptedInteraction.
class Interaction {
public:
    virtual ~Interaction();

    // An empty name means the dialog was cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;

    // A message box with one OK button. An empty title shows none.
    virtual void message(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                         const QString& text) = 0;

    // One line for whoever keeps a record of the session, saying what the
    // message just shown was about: the file and why it could not be used.
    // Message boxes keep their own short texts, so the program drops it.
    virtual void note(const QString& line) { (void)line; }

    // A question box; returns the button chosen.
    virtual QMessageBox::StandardButton ask(QMessageBox::Icon icon, QWidget* parent,
                                            const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) = 0;

    // Runs a modal dialog; returns QDialog::Accepted or QDialog::Rejected.
    virtual int exec(QDialog* dialog) = 0;

    // Shows a modeless form a model opens. The interaction takes ownership:
    // closeForms() deletes every form still open, which the shell does before
    // it deletes the model the forms act on.
    virtual void showForm(QWidget* form) = 0;
    virtual void closeForms() = 0;
    // The modeless forms still open, oldest first. The shell notes them before
    // a load, so that a new model replacing the old one closes only the old
    // model's forms.
    virtual QList<QWidget*> openForms() const { return {}; }

    // Whether a question that was answered unusably may be asked again. A user
    // can always be asked again; a script that has run out of answers cannot,
    // so loops that repeat a question until it is answered well must stop here.
    virtual bool mayAskAgain() = 0;

    void warning(QWidget* parent, const QString& title, const QString& text)
    {
        message(QMessageBox::Warning, parent, title, text);
    }
    void information(QWidget* parent, const QString& title, const QString& text)
    {
        message(QMessageBox::Information, parent, title, text);
    }

    // The interaction in force; QtInteraction until another is installed.
    static Interaction& current();
    // Installs an interaction (not owned); null restores the Qt one.
    static void install(Interaction* interaction);
};

// Short form used throughout the program.
inline Interaction& interaction()
{
    return Interaction::current();
}

} // namespace Interaction
