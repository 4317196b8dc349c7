#include "optionparser.h"

#include <cmath>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTextStream>

#include "Input/catalogue.h"
#include "Persistence/imagefiles.h"

namespace Batch {

namespace {

// Recipes that include recipes stop here, which also ends a recipe that
// includes itself.
constexpr int MaximumRecipeExpansions = 64;

QString unquote(const QString& text)
{
    if (text.size() >= 2) {
        const QChar first = text.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && text.back() == first)
            return text.mid(1, text.size() - 2);
    }
    return text;
}

bool isModelToken(const QString& text)
{
    if (!text.startsWith(QLatin1Char('-')))
        return true;
    // "-1" names an index (an invalid one), not an option.
    return text.size() > 1 && text.at(1).isDigit();
}

} // namespace

OptionParser::OptionParser(const QString& workingFolder) : workingFolder(workingFolder) {}

QString OptionParser::usage()
{
    return QStringLiteral(
        "Usage: lithoscope-batch --list\n"
        "       lithoscope-batch [options] MODEL\n"
        "MODEL is a catalogue index or its exact label.\n"
        "  --input FILE          answer the next open-file dialog with FILE ('' cancels)\n"
        "  --set NAME=VALUE      set a dialog widget before the dialog is accepted\n"
        "                        (VALUE click presses a button)\n"
        "  --reject              cancel the first option dialog\n"
        "  --at STEP NAME=VALUE  set a widget of an open form after STEP steps\n"
        "  --steps N             steps to run (default 100)\n"
        "  --save FILE           the model's Save after the run, answered with FILE\n"
        "  --save-all FILE       Save All from the first step, series named FILE\n"
        "  --interval K          the interval passed with Save All (default 1)\n"
        "  --seed N              seed every random source from N\n"
        "  --threads N           worker threads (default: the machine's)\n"
        "  --view FILE           draw a fresh view after the run into FILE (needs a display)\n"
        "  --view-size WxH       size of the view's pictures (default 800x600)\n"
        "  --view-angle X,Y,Z    view angles in degrees (default 0,0,0); models that\n"
        "                        save what the view shows save it with these too\n"
        "  --status-every K      print the status line every K steps\n"
        "  --bench               print the speed of the run at the end\n"
        "  --recipe FILE         read further options from FILE, one per line\n"
        "  --example             run the entry's bundled example recipe\n"
        "  --describe            print the dialogs and forms the entry shows instead of running\n"
        "  --quiet               no progress display\n"
        "Exit status: 0 done, 2 bad usage, 3 no model built or an input refused,\n"
        "             4 output not written.\n");
}

QString OptionParser::slug(const QString& label)
{
    static const QRegularExpression others(QStringLiteral("[^a-z0-9]+"));
    QString name = label.toLower();
    name.replace(others, QStringLiteral("-"));
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    while (name.endsWith(QLatin1Char('-')))
        name.chop(1);
    return name;
}

QString OptionParser::exampleRecipe(int modelIndex)
{
    const Input::CatalogueEntry* entry = Input::Catalogue::entry(modelIndex);
    if (!entry)
        return QString();
    return Persistence::ImageFiles::examplesFolder() + QLatin1Char('/') +
           slug(QString::fromUtf8(entry->label)) + QStringLiteral("/recipe");
}

int OptionParser::arity(const QString& option)
{
    static const QStringList flags = {
        QStringLiteral("--list"),  QStringLiteral("--help"),     QStringLiteral("-h"),
        QStringLiteral("--reject"), QStringLiteral("--bench"),   QStringLiteral("--describe"),
        QStringLiteral("--quiet"), QStringLiteral("--example")};
    static const QStringList valued = {
        QStringLiteral("--input"),      QStringLiteral("--set"),       QStringLiteral("--steps"),
        QStringLiteral("--save"),       QStringLiteral("--save-all"),  QStringLiteral("--interval"),
        QStringLiteral("--seed"),       QStringLiteral("--threads"),   QStringLiteral("--view"),
        QStringLiteral("--view-size"),  QStringLiteral("--view-angle"),
        QStringLiteral("--status-every"), QStringLiteral("--recipe")};
    if (flags.contains(option))
        return 0;
    if (valued.contains(option))
        return 1;
    if (option == QLatin1String("--at"))
        return 2;
    return -1;
}

bool OptionParser::fail(const Token& at, const QString& why)
{
    reason = at.origin.isEmpty() ? why : at.origin + QStringLiteral(": ") + why;
    return false;
}

QString OptionParser::outputPath(const QString& name) const
{
    return QDir(workingFolder).absoluteFilePath(name);
}

bool OptionParser::parse(const QStringList& arguments)
{
    QList<Token> tokens;
    for (const QString& argument : arguments)
        tokens.append(Token{argument, workingFolder, QString()});

    // --example needs the model wherever it stands on the command line.
    if (!findModelOnCommandLine(tokens))
        return false;

    int expansions = 0;
    int i = 0;
    while (i < tokens.size()) {
        const Token option = tokens.at(i);
        if (isModelToken(option.text)) {
            if (!setModel(option))
                return false;
            ++i;
            continue;
        }
        const int count = arity(option.text);
        if (count < 0)
            return fail(option, QStringLiteral("unknown option %1").arg(option.text));
        if (i + count >= tokens.size())
            return fail(option, QStringLiteral("%1 needs %2").arg(
                                    option.text, count == 2 ? QStringLiteral("two values")
                                                            : QStringLiteral("a value")));
        const QList<Token> values = tokens.mid(i + 1, count);
        tokens.erase(tokens.begin() + i, tokens.begin() + i + 1 + count);

        if (option.text == QLatin1String("--recipe") || option.text == QLatin1String("--example")) {
            if (++expansions > MaximumRecipeExpansions)
                return fail(option, QStringLiteral("recipes include each other too deeply"));
            QString path;
            if (option.text == QLatin1String("--recipe")) {
                path = QDir(values.first().folder).absoluteFilePath(values.first().text);
            } else {
                if (result.modelIndex < 0)
                    return fail(option, QStringLiteral("--example needs a MODEL"));
                path = exampleRecipe(result.modelIndex);
                if (!QFileInfo(path).isFile())
                    return fail(option, QStringLiteral("\"%1\" has no example recipe (%2)")
                                            .arg(Input::Catalogue::labels().at(result.modelIndex),
                                                 path));
            }
            QList<Token> inserted;
            if (!readRecipe(path, option, &inserted))
                return false;
            for (int k = 0; k < inserted.size(); ++k)
                tokens.insert(i + k, inserted.at(k));
            continue;
        }
        if (!apply(option, values))
            return false;
    }

    if (result.list || result.help)
        return true;
    if (result.modelIndex < 0)
        return fail(Token(), QStringLiteral("no MODEL given (an index or a label from --list)"));
    for (const StepAction& action : result.actions) {
        if (action.step > result.steps)
            return fail(Token(), QStringLiteral("--at %1 is beyond --steps %2")
                                     .arg(action.step)
                                     .arg(result.steps));
    }
    return true;
}

bool OptionParser::findModelOnCommandLine(const QList<Token>& tokens)
{
    for (int i = 0; i < tokens.size(); ++i) {
        const QString& text = tokens.at(i).text;
        if (isModelToken(text))
            return setModel(tokens.at(i));
        const int count = arity(text);
        if (count > 0)
            i += count;
    }
    return true;
}

bool OptionParser::setModel(const Token& token)
{
    const QString& text = token.text;
    int index = -1;
    bool number = false;
    const int asNumber = QLocale::c().toInt(text, &number);
    if (number)
        index = Input::Catalogue::entry(asNumber) ? asNumber : -1;
    else
        index = Input::Catalogue::indexOf(text);
    if (index < 0)
        return fail(token, QStringLiteral("unknown model '%1' (see --list)").arg(text));
    if (result.modelIndex >= 0 && result.modelIndex != index)
        return fail(token, QStringLiteral("more than one MODEL given ('%1')").arg(text));
    result.modelIndex = index;
    return true;
}

bool OptionParser::readRecipe(const QString& path, const Token& at, QList<Token>* tokens)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(at, QStringLiteral("cannot read recipe %1").arg(path));
    const QString folder = QFileInfo(path).absolutePath();
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    int lineNumber = 0;
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString origin = QStringLiteral("%1:%2").arg(path).arg(lineNumber);
        const int space = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        const QString option = space < 0 ? line : line.left(space);
        const QString rest = space < 0 ? QString() : line.mid(space + 1).trimmed();
        if (isModelToken(option)) {
            tokens->append(Token{unquote(line), folder, origin});
            continue;
        }
        const int count = arity(option);
        if (count < 0)
            return fail(Token{option, folder, origin}, QStringLiteral("unknown option %1").arg(option));
        tokens->append(Token{option, folder, origin});
        if (count == 0) {
            if (!rest.isEmpty())
                return fail(tokens->last(), QStringLiteral("%1 takes no value").arg(option));
            continue;
        }
        // An empty value is written '' so that a forgotten one is not read as a cancel.
        if (rest.isEmpty())
            return fail(tokens->last(), QStringLiteral("%1 needs %2").arg(
                                            option, count == 2 ? QStringLiteral("two values")
                                                               : QStringLiteral("a value ('' for an empty one)")));
        if (count == 2) {
            const int split = rest.indexOf(QRegularExpression(QStringLiteral("\\s")));
            if (split < 0)
                return fail(tokens->last(), QStringLiteral("%1 needs two values").arg(option));
            tokens->append(Token{rest.left(split), folder, origin});
            tokens->append(Token{unquote(rest.mid(split + 1).trimmed()), folder, origin});
        } else {
            tokens->append(Token{unquote(rest), folder, origin});
        }
    }
    return true;
}

bool OptionParser::readCount(const Token& value, int minimum, int maximum, int* out)
{
    bool ok = false;
    const int number = QLocale::c().toInt(value.text.trimmed(), &ok);
    if (!ok)
        return fail(value, QStringLiteral("'%1' is not a whole number").arg(value.text));
    if (number < minimum || number > maximum)
        return fail(value, QStringLiteral("%1 is outside %2..%3").arg(value.text).arg(minimum).arg(maximum));
    *out = number;
    return true;
}

bool OptionParser::readSetting(const Token& value, WidgetSetting* out)
{
    const int equals = value.text.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return fail(value, QStringLiteral("expected NAME=VALUE, not '%1'").arg(value.text));
    out->name = value.text.left(equals);
    out->value = value.text.mid(equals + 1);
    return true;
}

bool OptionParser::apply(const Token& option, const QList<Token>& values)
{
    const QString& name = option.text;
    const QLocale c = QLocale::c();

    if (name == QLatin1String("--list")) {
        result.list = true;
    } else if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        result.help = true;
    } else if (name == QLatin1String("--reject")) {
        result.reject = true;
    } else if (name == QLatin1String("--bench")) {
        result.bench = true;
    } else if (name == QLatin1String("--describe")) {
        result.describe = true;
    } else if (name == QLatin1String("--quiet")) {
        result.quiet = true;
    } else if (name == QLatin1String("--input")) {
        const Token& file = values.at(0);
        result.inputs.append(file.text.isEmpty() ? QString()
                                                 : QDir(file.folder).absoluteFilePath(file.text));
    } else if (name == QLatin1String("--set")) {
        WidgetSetting setting;
        if (!readSetting(values.at(0), &setting))
            return false;
        result.settings.append(setting);
    } else if (name == QLatin1String("--at")) {
        StepAction action;
        if (!readCount(values.at(0), 0, 2147483647, &action.step))
            return false;
        if (!readSetting(values.at(1), &action.setting))
            return false;
        result.actions.append(action);
    } else if (name == QLatin1String("--steps")) {
        return readCount(values.at(0), 0, 2147483647, &result.steps);
    } else if (name == QLatin1String("--interval")) {
        return readCount(values.at(0), 1, 2147483647, &result.interval);
    } else if (name == QLatin1String("--threads")) {
        return readCount(values.at(0), 1, 4096, &result.threads);
    } else if (name == QLatin1String("--status-every")) {
        return readCount(values.at(0), 1, 2147483647, &result.statusEvery);
    } else if (name == QLatin1String("--seed")) {
        bool ok = false;
        const quint64 seed = c.toULongLong(values.at(0).text.trimmed(), &ok);
        if (!ok)
            return fail(values.at(0), QStringLiteral("'%1' is not a seed (a whole number from 0)")
                                          .arg(values.at(0).text));
        result.hasSeed = true;
        result.seed = seed;
    } else if (name == QLatin1String("--save") || name == QLatin1String("--save-all") ||
               name == QLatin1String("--view")) {
        if (values.at(0).text.isEmpty())
            return fail(option, QStringLiteral("%1 needs a file name").arg(name));
        const QString path = outputPath(values.at(0).text);
        if (name == QLatin1String("--save"))
            result.saveFile = path;
        else if (name == QLatin1String("--save-all"))
            result.saveAllFile = path;
        else
            result.viewFile = path;
    } else if (name == QLatin1String("--view-size")) {
        const QStringList parts = values.at(0).text.split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
        int width = 0;
        int height = 0;
        if (parts.size() != 2)
            return fail(values.at(0), QStringLiteral("--view-size expects WxH, not '%1'").arg(values.at(0).text));
        const Token w{parts.at(0), QString(), values.at(0).origin};
        const Token h{parts.at(1), QString(), values.at(0).origin};
        if (!readCount(w, 1, 16384, &width) || !readCount(h, 1, 16384, &height))
            return false;
        result.viewSize = QSize(width, height);
    } else if (name == QLatin1String("--view-angle")) {
        const QStringList parts = values.at(0).text.split(QLatin1Char(','));
        if (parts.size() != 3)
            return fail(values.at(0), QStringLiteral("--view-angle expects X,Y,Z, not '%1'").arg(values.at(0).text));
        for (int k = 0; k < 3; ++k) {
            bool ok = false;
            const double angle = c.toDouble(parts.at(k).trimmed(), &ok);
            if (!ok || !std::isfinite(angle))
                return fail(values.at(0), QStringLiteral("'%1' is not an angle").arg(parts.at(k)));
            result.viewAngles[k] = angle;
        }
    }
    return true;
}

} // namespace Batch
