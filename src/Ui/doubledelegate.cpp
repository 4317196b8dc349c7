#include "doubledelegate.h"

#include <QDoubleSpinBox>

namespace Ui {

DoubleDelegate::DoubleDelegate(QObject* parent, double maximum, double minimum, int decimals)
    : QItemDelegate(parent), maximum(maximum), minimum(minimum), decimals(decimals)
{
}

QWidget* DoubleDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex&) const
{
    auto* editor = new QDoubleSpinBox(parent);
    editor->setMaximum(maximum);
    editor->setMinimum(minimum);
    editor->setDecimals(decimals);
    return editor;
}

void DoubleDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // Text that is not a number opens the editor at 0.
    const double value = index.model()->data(index, Qt::DisplayRole).toString().toDouble();
    static_cast<QDoubleSpinBox*>(editor)->setValue(value);
}

void DoubleDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const
{
    auto* box = static_cast<QDoubleSpinBox*>(editor);
    box->interpretText();
    model->setData(index, box->value(), Qt::EditRole);
}

} // namespace Ui
