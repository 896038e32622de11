#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "outputpolicy.h"
#include "positions.h"
#include "textfields.h"
#include "watermark.h"
#include "watermarkjob.h"

// How a missing output folder is made: the window's own folder one level deep inside an
// existing parent (a failure then shows as every picture not written), a folder named on the
// command line with its parents (a failure stops the run before it starts).
enum class FolderRule { OneLevel, WithParents };

// What a front end asks a run to do, as plain values: every front end fills one and hands it to
// planRun(), so the same request gives the same run and the same bytes.
struct RunRequest
{
    WatermarkText text;
    int position = Position::Center;
    WatermarkStyle style; // style.effects.logoPath names the logo; the planner reads it
    OutputSize outputSize;
    QString format = QStringLiteral("Original"); // or an output suffix of outputFormats
    OutputPolicy policy;
    QString outputDir;
    FolderRule folderRule = FolderRule::WithParents;
    QStringList sources;
    QString presetName; // for the output names' {preset}
};

struct RunPlan
{
    enum class Failure { None, Logo, OutputFolder, OutputSize };

    RunSnapshot run;
    Failure failure = Failure::None;
    QString reason; // the logo reader's words, or why the output size cannot be written

    bool ok() const { return failure == Failure::None; }
    // The failure as one sentence.
    QString message(const RunRequest &request) const;
};

// Reads the logo once, makes the output folder by the request's rule and assigns every output
// name (from the name template) before the first picture is read.
RunPlan planRun(const RunRequest &request);
// Whether planning reads every picture's header or metadata (for the names): a window then plans
// away from its own thread.
bool planReadsPictures(const RunRequest &request);
