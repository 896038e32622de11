#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>

#include <array>

#include "outputsize.h"

// The longest text our files may hold (the settings file, quorlane.conf, presets): a longer one is
// refused whole, never cut, and the default is used, so that a crafted file cannot stall a run.
inline constexpr qsizetype maxFileTextBytes = 64 * 1024;

inline bool fitsFileText(const QString &text)
{
    return text.size() <= maxFileTextBytes && text.toUtf8().size() <= maxFileTextBytes;
}

// The fixed choices of the main window. The combo boxes are filled from these tables in this
// order, and the batch run looks the chosen row up by the combo box's index.

struct OutputSizeChoice
{
    const char *text;
    OutputSize size; // invalid for "Original" (no scaling) and "Custom Size" (the custom fields)
};

inline const std::array<OutputSizeChoice, 9> outputSizes = { {
  { QT_TRANSLATE_NOOP("Dialog", "Original"), QSize(-1, -1) },
  { "640x480", QSize(640, 480) },
  { "320x240", QSize(320, 240) },
  { "240x160", QSize(240, 160) },
  { QT_TRANSLATE_NOOP("Dialog", "Thumbnails"), QSize(120, 120) },
  { QT_TRANSLATE_NOOP("Dialog", "Custom Size"), QSize() },
  { QT_TRANSLATE_NOOP("Dialog", "Long edge 2048"), OutputSize::longEdge(2048) },
  { QT_TRANSLATE_NOOP("Dialog", "Long edge 1600"), OutputSize::longEdge(1600) },
  { QT_TRANSLATE_NOOP("Dialog", "Long edge 1080"), OutputSize::longEdge(1080) },
} };
inline constexpr int originalSizeIndex = 0;
inline constexpr int customSizeIndex = 5;

// Row 0 keeps the source's own file name and format; the others name the output suffix. Rows are
// only ever appended: settings files store the index.
inline constexpr std::array<const char *, 9> outputFormats = { "Original", "jpg",  "png",
                                                               "tiff",     "bmp",  "ppm",
                                                               "xpm",      "webp", "avif" };

// The text a first start shows, in the window and from the command line.
inline constexpr char defaultWatermarkText[] = "Name\nComments";

inline const QSize previewSize(257, 200);
inline const QSize advancedPreviewSize(355, 286);
// The advanced dialog's sample is read at this size (not advancedPreviewSize) on purpose.
inline const QSize advancedSampleSize(355, 280);

// Limits of the custom output size: beyond them a save fails or exhausts memory.
inline constexpr int minCustomSide = 1;
inline constexpr int maxCustomSide = 16384;
