#pragma once

#include <QList>
#include <QPointer>

#include "interaction.h"

namespace Interaction {

// The real dialogs and message boxes of Qt.
class QtInteraction : public Interaction {
public:
    ~QtInteraction() override;

    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    void message(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                 const QString& text) override;
    QMessageBox::StandardButton ask(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override;
    int exec(QDialog* dialog) override;
    void showForm(QWidget* form) override;
    void closeForms() override;
    QList<QWidget*> openForms() const override;
    bool mayAskAgain() override { return true; }

private:
    QList<QPointer<QWidget>> forms;
};

} // namespace Interaction
