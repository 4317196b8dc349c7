#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QLayout;
class QWidget;

namespace Batch {

// Describes a dialog or form as --describe prints it: a line "[TITLE]", then
// one tab-separated line per named input widget: object name, kind, label,
// current value, range.
class DialogDescriber {
public:
    static QStringList describe(QWidget* root);

    // The text a user reads for the widget: the label whose buddy it is, the
    // label in its form or grid row, the label just before it in a box layout,
    // or else its own text.
    static QString labelOf(QWidget* widget, QWidget* root);
    static QString valueOf(const QWidget* widget);
    static QString rangeOf(const QWidget* widget);

private:
    static QString labelInLayout(QLayout* layout, QWidget* widget);
    static bool contains(QLayout* layout, QWidget* widget);
    static QString labelText(const QLabel* label);
    static QString plainText(const QString& text);
};

} // namespace Batch
