#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "batchoptions.h"

namespace Batch {

// Reads the command line of lithoscope-batch. Recipes (--recipe, --example)
// are expanded where they stand; input files resolve against the folder of
// the recipe naming them, output files against the working folder. Numbers
// are read in the C locale.
class OptionParser {
public:
    explicit OptionParser(const QString& workingFolder);

    // False on bad usage; error() then holds a one-line reason.
    bool parse(const QStringList& arguments);
    // The same for the command line `--recipe path` when the recipe holds
    // `recipe`: the text is read as that file's content, and its relative
    // input files resolve against the file's folder.
    bool parseRecipe(const QByteArray& recipe, const QString& path);

    const BatchOptions& options() const { return result; }
    const QString& error() const { return reason; }

    static QString usage();
    // The examples/ folder name of a catalogue label: lower case, each run of
    // other characters than letters and digits replaced by one '-'.
    static QString slug(const QString& label);
    // Where the bundled example recipe of a catalogue entry lives.
    static QString exampleRecipe(int modelIndex);

private:
    struct Token {
        QString text;
        QString folder; // what relative input files resolve against
        QString origin; // where the token came from, for error messages
    };

    static int arity(const QString& option);
    bool fail(const Token& at, const QString& why);
    bool parseTokens(QList<Token> tokens, int expansions);
    bool findModelOnCommandLine(const QList<Token>& tokens);
    bool readRecipe(const QString& path, const Token& at, QList<Token>* tokens);
    bool readRecipeText(const QByteArray& text, const QString& path, QList<Token>* tokens);
    bool setModel(const Token& token);
    bool apply(const Token& option, const QList<Token>& values);

    bool readCount(const Token& value, int minimum, int maximum, int* out);
    bool readSetting(const Token& value, WidgetSetting* out);
    QString outputPath(const QString& name) const;

    QString workingFolder;
    BatchOptions result;
    QString reason;
};

} // namespace Batch
