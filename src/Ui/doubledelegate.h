#pragma once

#include <QItemDelegate>

namespace Ui {

// Edits table cells as floating-point numbers in a double spin box.
class DoubleDelegate : public QItemDelegate {
    Q_OBJECT
public:
    DoubleDelegate(QObject* parent, double maximum, double minimum, int decimals);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    double maximum;
    double minimum;
    int decimals;
};

} // namespace Ui
