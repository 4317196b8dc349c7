#pragma once

#include <QString>

class QWidget;

namespace Interaction {

// Sets a dialog's or form's widgets by object name from text, the way scripts
// and tests fill in dialogs. Numbers are read in the C locale.
class WidgetScript {
public:
    enum class Result { NotFound, Applied, BadValue };

    // The value that presses a button instead of setting a widget.
    static QString clickValue() { return QStringLiteral("click"); }

    // The named input widget below root (or root itself), or null.
    static QWidget* find(QWidget* root, const QString& name);

    // One word for the kind of input widget: spin, double, line, check, radio,
    // combo, slider, button; empty for anything else.
    static QString kind(const QWidget* widget);

    // Sets the named widget: a number for spin boxes and sliders, text for line
    // edits, true/false for check and radio buttons, an index or an item's text
    // for combo boxes; "click" presses a button. A value outside the widget's
    // range is an error, never clamped. On BadValue, error says why.
    static Result apply(QWidget* root, const QString& name, const QString& value,
                        QString* error = nullptr);

    // The same on a widget already found.
    static Result applyTo(QWidget* widget, const QString& value, QString* error = nullptr);
};

} // namespace Interaction
