#pragma once

#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include "fileidentity.h"
#include "outputpolicy.h"
#include "outputsize.h"
#include "textfields.h"
#include "watermark.h"

// Everything a batch run needs, taken before the first picture, so that the pictures can be
// processed anywhere without touching a widget or the shared settings. Every front end builds one.
struct RunSnapshot
{
    WatermarkText text; // filled in for each picture
    int position = 0;
    WatermarkStyle style;
    OutputSize outputSize;
    OutputPolicy policy;
    QString outputDir;
    QStringList sources;
    QStringList outputs;            // one per source, already unique within the run
    QVector<bool> skipped;          // one per source (empty: none); its name is taken in the folder
    QSet<FileIdentity> sourceFiles; // no output ever replaces one of these
    // A JPEG written at most half its size is decoded at a libjpeg scale (an engine switch, not a
    // user's choice: off for the tests and benchmarks that compare with the whole decode).
    bool shrinkOnLoad = true;
    // A picture the decoder finds incomplete is written with what it has; a hot folder's is not
    // (it may still be arriving).
    bool publishesIncomplete = true;
};
