#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "constants.h"
#include "positions.h"
#include "runoptions.h"
#include "textfields.h"
#include "watermark.h"

// Everything a run uses except its pictures: the text as typed with its sign, the position, the
// style, the output options and the main window's size and format, and, when saved with it,
// the output folder. A preset file holds one, with the same groups and keys as quorlane.conf
// plus [Text] for the text and style and three keys of [Output] for size, format and folder.
struct Preset
{
    WatermarkText text = WatermarkText(QLatin1String(defaultWatermarkText), true);
    int position = Position::Center;
    WatermarkStyle style; // without effects: options.watermark holds them
    RunOptions options;
    OutputSize outputSize;
    QString format = QStringLiteral("Original");
    QString outputFolder; // empty: the preset leaves the folder alone

    bool operator==(const Preset &other) const;
    bool operator!=(const Preset &other) const { return !(*this == other); }
};

// The presets in $XDG_CONFIG_HOME/quorlane/presets, one NAME.conf file each.
namespace Presets {

QString folder();
// Sorted by name.
QStringList names();
// The file of the preset called name: always NAME.conf in folder(), whatever name ends in.
QString fileOf(const QString &name);
// What --preset means: nameOrFile itself when it holds a "/" (./x.conf), else fileOf().
QString pathOf(const QString &nameOrFile);
// Why name cannot be a preset's name ("/", a leading ".", control or bidirectional
// characters), or empty.
QString nameProblem(const QString &name);

// Reads a preset file: unknown keys are ignored, a missing or refused value takes its default.
// False, with error, when the file cannot be read.
bool load(const QString &path, Preset *preset, QString *error);
// Writes the preset under name, replacing one of that name (never a folder, FIFO or device).
bool save(const QString &name, const Preset &preset, QString *error);
bool remove(const QString &name, QString *error);

} // namespace Presets
