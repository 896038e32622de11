#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "positions.h"
#include "settingsfile.h"
#include "textfields.h"
#include "watermark.h"

// The one process-wide configuration shared by the main window, the preview, the batch run, the
// settings dialogs and the settings file. Plain state: read and assigned directly, GUI thread only.
struct WatermarkSettings
{
    static WatermarkSettings &instance();

    // Reads the settings file at path as the window does when it starts: the saved values, then
    // the saved style taken over. A missing file leaves everything as it is.
    void loadSaved(const QString &path);
    // Reads the saved values alone. When the file exists, sets settingsLoaded and clears
    // useDefaults; false when there is no file.
    bool readSaved(const QString &path);
    // Takes over the saved style values.
    void applySaved();
    // The text, sign and position a window or a run starts with: the saved ones, or those of a
    // first start.
    WatermarkText startText() const;
    int startPosition() const;
    // The window's own settings file, or empty when its folder is unknown.
    QString settingsFilePath() const;
    // The style a run or a preview draws with.
    WatermarkStyle style() const;
    // What the settings file keeps of the current values, with the window's text and position.
    SettingsFile::Values fileValues(const WatermarkText &text, int position) const;

    // Current watermark and output values.
    bool useDefaults = true;
    bool autoFontSize = true;
    bool autoColor = true;
    int alpha = 127;
    QColor fontColor = Qt::black;
    QFont watermarkFont = QFont(QStringLiteral("Arial"));
    WatermarkEffects effects; // from the configuration file, the logo read for the previews
    int customWidth = 320;
    int customHeight = 240;

    // Handed to the advanced dialog's preview.
    QString previewSourcePath;
    int previewAlignment = Position::Center;
    WatermarkText previewText = WatermarkText(QStringLiteral("Text"));
    bool previewIsSample = false;

    // Folders, absolute with forward slashes.
    QString appDirPath;
    QString outputDirPath;
    QString settingsDirPath;
    QString cacheDirPath;

    // Values last read from the settings file.
    bool settingsLoaded = false;
    QString savedText;
    int savedPosition = 0;
    int savedAlpha = 127;
    bool savedUseDefaults = true;
    bool savedUseCopyright = true;
    QColor savedFontColor = Qt::black;
    bool savedAutoColor = false;
    bool savedAutoFontSize = false;
    QFont savedFont = QFont(QStringLiteral("Arial"));
};
