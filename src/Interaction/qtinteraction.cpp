#include "qtinteraction.h"

#include <QDialog>
#include <QFileDialog>

namespace Interaction {

QtInteraction::~QtInteraction()
{
    closeForms();
}

QString QtInteraction::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                    const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtInteraction::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

void QtInteraction::message(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                            const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QMessageBox::StandardButton QtInteraction::ask(QMessageBox::Icon icon, QWidget* parent,
                                               const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int QtInteraction::exec(QDialog* dialog)
{
    return dialog->exec();
}

void QtInteraction::showForm(QWidget* form)
{
    forms.append(form);
    form->show();
}

QList<QWidget*> QtInteraction::openForms() const
{
    QList<QWidget*> open;
    for (const QPointer<QWidget>& form : forms)
        if (form)
            open.append(form.data());
    return open;
}

void QtInteraction::closeForms()
{
    for (const QPointer<QWidget>& form : forms)
        delete form.data();
    forms.clear();
}

} // namespace Interaction
