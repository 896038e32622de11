#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "outputpolicy.h"
#include "watermarkeffects.h"

// Quorlane's own options beyond the settings file: the Output and Watermark groups of
// quorlane.conf. Their defaults are the member initialisers of the two structures.
struct RunOptions
{
    OutputPolicy output;
    WatermarkEffects watermark; // the logo picture itself is read by the run's planner
};

// One option, declared once: where it lives in quorlane.conf, how the command line spells it,
// which values it takes, and how it reads and writes its value in RunOptions. The configuration
// file, the Options dialog's bounds and quorlane-batch's parsing and --help all come from here.
struct RunOption
{
    enum class Kind {
        Flag,     // --name / --no-name; "true" or "false" in the file
        Number,   // --name N, from min to max
        Choice,   // --name WORD, one of choices; or one flag per word (--stretch, --fit)
        Position, // --name WHERE by name; the alignment code in the file
        Text,     // --name VALUE, any text: a file (empty for none), a template
    };

    const char *group = nullptr;
    const char *key = nullptr;
    Kind kind = Kind::Flag;
    QStringList names; // the command line's names, long name last; empty for choice flags
    const char *valueName = nullptr;
    const char *help = nullptr; // without the range, which is added from the values below
    // Flag: the help of --name and of --no-name; choice flags: one per word.
    std::vector<const char *> flagHelp;
    int min = 0;
    int max = 0;
    QStringList choices;       // Choice: the words in the order of the enumeration
    bool choiceFlags = false;  // Choice: each word is a flag of its own
    bool onCommandLine = true; // false: the command line sets it through another option

    // The value as the configuration file stores it.
    std::function<QString(const RunOptions &)> get;
    // Sets the value from the configuration file's text; false leaves it unchanged.
    std::function<bool(RunOptions &, const QString &)> set;
    // Text: why a value is refused, or empty (none: every text is taken).
    std::function<QString(const QString &)> check;

    QString longName() const { return names.isEmpty() ? QString() : names.constLast(); }
    QString negation() const { return QStringLiteral("no-") + longName(); }
    // "1 to 100", "all, all-but-location, copyright or none".
    QString rangeText() const;
    // Why value is refused: what check() says, or the range.
    QString refusal(const QString &value) const;
    // Sets the value from the command line's text (a position's name, not its code).
    bool setFromCommandLine(RunOptions &options, const QString &value) const;
};

// Every option, in the order --help lists them.
const std::vector<RunOption> &runOptions();
// The option of key; the program has no option without an entry.
const RunOption &runOption(const char *key);

// "a, b or c"
QString listedNames(const QStringList &names);
// text as a decimal number from min to max; false (value unchanged) otherwise.
bool readNumber(const QString &text, int min, int max, int *value);
