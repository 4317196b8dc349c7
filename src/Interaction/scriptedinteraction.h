#pragma once

#include <functional>

#include <QList>
#include <QPair>
#include <QPointer>
#include <QStringList>

#include "interaction.h"
#include "widgetscript.h"

namespace Interaction {

// Answers every question from a script: file names from two queues, dialog
// widgets from NAME=VALUE settings, question boxes with a fixed answer. Every
// message is recorded, so tests can assert exact titles and texts.
class ScriptedInteraction : public Interaction {
public:
    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    ~ScriptedInteraction() override;

    // Answers, consumed in order. An empty name answers as a cancelled dialog,
    // as does an exhausted queue.
    void queueOpenFile(const QString& name) { openFiles.append(name); }
    void queueSaveFile(const QString& name) { saveFiles.append(name); }

    // Before a modal dialog is accepted, each pending setting whose widget the
    // dialog has is applied, in the order given; each setting applies once.
    void addSetting(const QString& name, const QString& value);
    // The next modal dialog is rejected instead of accepted.
    void rejectNextDialog(bool reject = true) { rejectNext = reject; }
    // The answer to every question box (default OK).
    void setQuestionAnswer(QMessageBox::StandardButton answer) { questionAnswer = answer; }

    // Called with every modal dialog and modeless form before settings are
    // applied (the batch runner describes them here).
    std::function<void(QWidget*)> onDialog;
    // Called with every message as it is shown.
    std::function<void(const Message&)> onMessage;
    // Called with every note as it is made.
    std::function<void(const QString&)> onNote;

    // Sets a widget of the first open modeless form that has it.
    WidgetScript::Result setFormWidget(const QString& name, const QString& value, QString* error = nullptr);

    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    void message(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                 const QString& text) override;
    void note(const QString& line) override;
    QMessageBox::StandardButton ask(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override;
    int exec(QDialog* dialog) override;
    void showForm(QWidget* form) override;
    void closeForms() override;
    bool mayAskAgain() override;

    const QList<Message>& messages() const { return shownMessages; }
    void clearMessages() { shownMessages.clear(); }
    const QStringList& notes() const { return madeNotes; }
    // Window titles of the modal dialogs run so far, in order.
    const QStringList& dialogTitles() const { return shownDialogs; }
    // Captions of the file dialogs asked so far, with the folder they opened in.
    const QStringList& fileDialogCaptions() const { return fileCaptions; }
    const QStringList& fileDialogFolders() const { return fileFolders; }
    QList<QWidget*> openForms() const override;

    // Settings that matched no widget so far, as NAME=VALUE.
    QStringList unusedSettings() const;
    int unusedOpenFiles() const { return openFiles.size(); }
    // The open-file dialogs that found no answer left in the queue, as their
    // caption and filter; an answer given as empty is not counted.
    const QList<QPair<QString, QString>>& unansweredOpenFiles() const { return unanswered; }
    int unusedSaveFiles() const { return saveFiles.size(); }
    // Errors met while applying settings (a value outside a widget's range ...).
    const QStringList& settingErrors() const { return errors; }
    // A question would have been repeated forever (the script ran out of answers).
    bool questionRepeated() const { return repeated; }

private:
    struct Setting {
        QString name;
        QString value;
        bool used = false;
    };

    QStringList openFiles;
    QStringList saveFiles;
    QList<Setting> settings;
    bool rejectNext = false;
    bool repeated = false;
    QMessageBox::StandardButton questionAnswer = QMessageBox::Ok;
    QList<Message> shownMessages;
    QStringList madeNotes;
    QStringList shownDialogs;
    QStringList fileCaptions;
    QStringList fileFolders;
    QList<QPair<QString, QString>> unanswered;
    QStringList errors;
    QList<QPointer<QWidget>> forms;
};

} // namespace Interaction
