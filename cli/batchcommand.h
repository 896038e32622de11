#pragma once

#include <QString>
#include <QStringList>

#include "engine/run/runplanner.h"
#include "settings/preset.h"

class QIODevice;
struct WatermarkSettings;

// What one quorlane-batch invocation asks for, read from its arguments, the window's saved
// settings and options, and the files named on the command line or in --files-from.
struct BatchCommand
{
    enum class Action { Run, Help, Version, ListPresets };

    Action action = Action::Run;
    RunRequest request;
    int jobs = 0; // 0: planned from the cores and the pictures' sizes
    QString reportPath;
    bool quiet = false;
    QString savePreset;  // a name: save preset under it first; then run when there are pictures
    QString watchFolder; // --watch: stamp what comes into this folder until a signal
    bool recursive = false;
    int pollSeconds = 0; // 0: told by inotify where the file system allows it
    Preset preset;
};

struct ParsedCommand
{
    BatchCommand command;
    QString error; // bad usage, said in one line; empty when the arguments are good
};

// arguments start with the program's name. standardInput serves "--files-from -". folders are
// the program's own, as located at start-up: the window's settings file and output folder.
ParsedCommand parseBatchCommand(const QStringList &arguments,
                                QIODevice *standardInput,
                                const WatermarkSettings &folders);

// The text of --help.
QString batchHelpText();
