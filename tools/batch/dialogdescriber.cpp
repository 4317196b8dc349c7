#include "dialogdescriber.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QBoxLayout>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "Interaction/widgetscript.h"

namespace Batch {

namespace {

QString number(double value)
{
    return QLocale::c().toString(value, 'g', 15);
}

// Widgets a script can address: named by the form, not Qt's own parts (the
// line edit inside a spin box, the buttons of a button box).
bool isDescribed(const QWidget* widget)
{
    const QString name = widget->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
        return false;
    if (Interaction::WidgetScript::kind(widget).isEmpty())
        return false;
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QComboBox*>(up))
            return false;
    }
    return true;
}

QLabel* asLabel(QLayoutItem* item)
{
    return item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
}

bool isRichText(const QLabel* label)
{
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

} // namespace

QString DialogDescriber::labelText(const QLabel* label)
{
    if (isRichText(label))
        return QTextDocumentFragment::fromHtml(label->text()).toPlainText().simplified();
    // A label shows '&' as such unless it marks the shortcut of its buddy.
    if (label->buddy())
        return plainText(label->text());
    return label->text().simplified();
}

QString DialogDescriber::plainText(const QString& text)
{
    // Mnemonic markers are not part of what the user reads; "&&" is a literal '&'.
    QString plain;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        plain.append(text.at(i));
    }
    return plain.simplified();
}

QStringList DialogDescriber::describe(QWidget* root)
{
    QStringList lines;
    lines.append(QLatin1Char('[') + root->windowTitle() + QLatin1Char(']'));
    QList<QWidget*> widgets;
    widgets.append(root);
    widgets.append(root->findChildren<QWidget*>());
    for (QWidget* widget : widgets) {
        if (!isDescribed(widget))
            continue;
        lines.append(QStringList{widget->objectName(), Interaction::WidgetScript::kind(widget),
                                 labelOf(widget, root), valueOf(widget), rangeOf(widget)}
                         .join(QLatin1Char('\t')));
    }
    return lines;
}

QString DialogDescriber::labelOf(QWidget* widget, QWidget* root)
{
    const QList<QLabel*> labels = root->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->buddy() == widget)
            return labelText(label);
    }
    for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (up->layout()) {
            const QString text = labelInLayout(up->layout(), widget);
            if (!text.isNull())
                return text;
        }
        if (up == root)
            break;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return plainText(button->text());
    return QString();
}

bool DialogDescriber::contains(QLayout* layout, QWidget* widget)
{
    if (layout->indexOf(widget) >= 0)
        return true;
    for (int i = 0; i < layout->count(); ++i) {
        QLayout* inner = layout->itemAt(i)->layout();
        if (inner && contains(inner, widget))
            return true;
    }
    return false;
}

// Searches the layout tree for the widget; a null string when the widget is
// not in it or no label stands beside it there.
QString DialogDescriber::labelInLayout(QLayout* layout, QWidget* widget)
{
    const int index = layout->indexOf(widget);
    if (index >= 0) {
        if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            int row = -1;
            QFormLayout::ItemRole role;
            form->getItemPosition(index, &row, &role);
            if (role == QFormLayout::FieldRole) {
                if (QLabel* label = asLabel(form->itemAt(row, QFormLayout::LabelRole)))
                    return labelText(label);
            }
            return QString();
        }
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            for (int c = column - 1; c >= 0; --c) {
                if (QLabel* label = asLabel(grid->itemAtPosition(row, c)))
                    return labelText(label);
            }
            return QString();
        }
        if (qobject_cast<QBoxLayout*>(layout) && index > 0) {
            if (QLabel* label = asLabel(layout->itemAt(index - 1)))
                return labelText(label);
        }
        return QString();
    }
    for (int i = 0; i < layout->count(); ++i) {
        QLayout* inner = layout->itemAt(i)->layout();
        if (!inner)
            continue;
        const QString text = labelInLayout(inner, widget);
        if (!text.isNull())
            return text;
        // Found in a nested box without a label before it: a form or grid
        // row holding that box may still carry one.
        if (contains(inner, widget)) {
            if (auto* form = qobject_cast<QFormLayout*>(layout)) {
                int row = -1;
                QFormLayout::ItemRole role;
                form->getItemPosition(i, &row, &role);
                if (QLabel* label = asLabel(form->itemAt(row, QFormLayout::LabelRole)))
                    return labelText(label);
            } else if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
                int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
                grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
                for (int c = column - 1; c >= 0; --c) {
                    if (QLabel* label = asLabel(grid->itemAtPosition(row, c)))
                        return labelText(label);
                }
            }
            return QString();
        }
    }
    return QString();
}

QString DialogDescriber::valueOf(const QWidget* widget)
{
    if (auto* box = qobject_cast<const QDoubleSpinBox*>(widget))
        return number(box->value());
    if (auto* box = qobject_cast<const QSpinBox*>(widget))
        return QString::number(box->value());
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    if (auto* slider = qobject_cast<const QAbstractSlider*>(widget))
        return QString::number(slider->value());
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->isCheckable())
            return button->isChecked() ? QStringLiteral("true") : QStringLiteral("false");
    }
    return QString();
}

QString DialogDescriber::rangeOf(const QWidget* widget)
{
    if (auto* box = qobject_cast<const QDoubleSpinBox*>(widget))
        return number(box->minimum()) + QStringLiteral("..") + number(box->maximum());
    if (auto* box = qobject_cast<const QSpinBox*>(widget))
        return QString::number(box->minimum()) + QStringLiteral("..") + QString::number(box->maximum());
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        if (auto* validator = qobject_cast<const QIntValidator*>(edit->validator()))
            return QString::number(validator->bottom()) + QStringLiteral("..") +
                   QString::number(validator->top());
        if (auto* validator = qobject_cast<const QDoubleValidator*>(edit->validator()))
            return number(validator->bottom()) + QStringLiteral("..") + number(validator->top());
        return QString();
    }
    if (auto* combo = qobject_cast<const QComboBox*>(widget)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        return items.join(QLatin1Char('|'));
    }
    if (auto* slider = qobject_cast<const QAbstractSlider*>(widget))
        return QString::number(slider->minimum()) + QStringLiteral("..") +
               QString::number(slider->maximum());
    return QString();
}

} // namespace Batch
