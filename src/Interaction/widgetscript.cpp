#include "widgetscript.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSpinBox>

namespace Interaction {

namespace {

bool parseBool(const QString& value, bool* ok)
{
    const QString v = value.trimmed().toLower();
    *ok = true;
    if (v == QLatin1String("true") || v == QLatin1String("1"))
        return true;
    if (v == QLatin1String("false") || v == QLatin1String("0"))
        return false;
    *ok = false;
    return false;
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

QWidget* WidgetScript::find(QWidget* root, const QString& name)
{
    if (!root || name.isEmpty())
        return nullptr;
    if (root->objectName() == name)
        return root;
    return root->findChild<QWidget*>(name);
}

QString WidgetScript::kind(const QWidget* widget)
{
    if (qobject_cast<const QDoubleSpinBox*>(widget))
        return QStringLiteral("double");
    if (qobject_cast<const QSpinBox*>(widget))
        return QStringLiteral("spin");
    if (qobject_cast<const QLineEdit*>(widget))
        return QStringLiteral("line");
    if (qobject_cast<const QCheckBox*>(widget))
        return QStringLiteral("check");
    if (qobject_cast<const QRadioButton*>(widget))
        return QStringLiteral("radio");
    if (qobject_cast<const QComboBox*>(widget))
        return QStringLiteral("combo");
    if (qobject_cast<const QAbstractSlider*>(widget))
        return QStringLiteral("slider");
    if (qobject_cast<const QAbstractButton*>(widget))
        return QStringLiteral("button");
    return QString();
}

WidgetScript::Result WidgetScript::apply(QWidget* root, const QString& name, const QString& value,
                                         QString* error)
{
    QWidget* widget = find(root, name);
    if (!widget)
        return Result::NotFound;
    return applyTo(widget, value, error);
}

WidgetScript::Result WidgetScript::applyTo(QWidget* widget, const QString& value, QString* error)
{
    const QLocale c = QLocale::c();
    const QString name = widget->objectName();
    bool ok = false;

    if (value == clickValue()) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->click();
            return Result::Applied;
        }
        setError(error, QStringLiteral("%1 is not a button").arg(name));
        return Result::BadValue;
    }
    if (auto* box = qobject_cast<QDoubleSpinBox*>(widget)) {
        const double v = c.toDouble(value.trimmed(), &ok);
        if (!ok) {
            setError(error, QStringLiteral("%1 expects a number, not '%2'").arg(name, value));
            return Result::BadValue;
        }
        // Written this way round so that NaN, which compares false with
        // everything, is refused like any other value outside the range.
        if (!(v >= box->minimum() && v <= box->maximum())) {
            setError(error, QStringLiteral("%1: %2 is outside %3..%4")
                                .arg(name, value, c.toString(box->minimum()),
                                     c.toString(box->maximum())));
            return Result::BadValue;
        }
        box->setValue(v);
        return Result::Applied;
    }
    if (auto* box = qobject_cast<QSpinBox*>(widget)) {
        const int v = c.toInt(value.trimmed(), &ok);
        if (!ok) {
            setError(error, QStringLiteral("%1 expects a whole number, not '%2'").arg(name, value));
            return Result::BadValue;
        }
        if (v < box->minimum() || v > box->maximum()) {
            setError(error, QStringLiteral("%1: %2 is outside %3..%4")
                                .arg(name, value)
                                .arg(box->minimum())
                                .arg(box->maximum()));
            return Result::BadValue;
        }
        box->setValue(v);
        return Result::Applied;
    }
    if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
        const int v = c.toInt(value.trimmed(), &ok);
        if (!ok || v < slider->minimum() || v > slider->maximum()) {
            setError(error, QStringLiteral("%1: '%2' is not a whole number in %3..%4")
                                .arg(name, value)
                                .arg(slider->minimum())
                                .arg(slider->maximum()));
            return Result::BadValue;
        }
        slider->setValue(v);
        return Result::Applied;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
        return Result::Applied;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int index = c.toInt(value.trimmed(), &ok);
        if (ok) {
            if (index < 0 || index >= combo->count()) {
                setError(error, QStringLiteral("%1: index %2 is outside 0..%3")
                                    .arg(name, value)
                                    .arg(combo->count() - 1));
                return Result::BadValue;
            }
            combo->setCurrentIndex(index);
            return Result::Applied;
        }
        const int found = combo->findText(value);
        if (found < 0) {
            setError(error, QStringLiteral("%1 has no item '%2'").arg(name, value));
            return Result::BadValue;
        }
        combo->setCurrentIndex(found);
        return Result::Applied;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const bool checked = parseBool(value, &ok);
        if (!ok || !button->isCheckable()) {
            setError(error, QStringLiteral("%1 expects true, false or click, not '%2'").arg(name, value));
            return Result::BadValue;
        }
        button->setChecked(checked);
        return Result::Applied;
    }
    setError(error, QStringLiteral("%1 is not an input widget").arg(name));
    return Result::BadValue;
}

} // namespace Interaction
