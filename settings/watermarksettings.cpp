#include "watermarksettings.h"

#include "constants.h"
#include "positions.h"

WatermarkSettings &WatermarkSettings::instance()
{
    // Built on first use, after the application object exists, so that its fonts are valid.
    static WatermarkSettings settings;
    return settings;
}

void WatermarkSettings::applySaved()
{
    alpha = savedAlpha;
    useDefaults = savedUseDefaults;
    if (useDefaults)
        return;
    if (!savedAutoColor) {
        autoColor = false;
        fontColor = savedFontColor;
    }
    if (!savedAutoFontSize)
        autoFontSize = false;
    watermarkFont = savedFont;
}

WatermarkStyle WatermarkSettings::style() const
{
    WatermarkStyle style;
    style.useDefaults = useDefaults;
    style.autoFontSize = autoFontSize;
    style.autoColor = autoColor;
    style.alpha = alpha;
    style.fontColor = fontColor;
    style.font = watermarkFont;
    style.effects = effects;
    return style;
}

SettingsFile::Values WatermarkSettings::fileValues(const WatermarkText &text, int position) const
{
    return { text.typed, text.copyrightSign, position,     alpha,        useDefaults,
             fontColor,  autoColor,          autoFontSize, watermarkFont };
}

bool WatermarkSettings::readSaved(const QString &path)
{
    SettingsFile::Values values = { savedText,      savedUseCopyright, savedPosition,
                                    savedAlpha,     savedUseDefaults,  savedFontColor,
                                    savedAutoColor, savedAutoFontSize, savedFont };
    if (!SettingsFile::load(path, values))
        return false;
    settingsLoaded = true;
    useDefaults = false;
    savedText = values.text;
    savedUseCopyright = values.useCopyright;
    savedPosition = values.position;
    savedAlpha = values.alpha;
    savedUseDefaults = values.useDefaults;
    savedFontColor = values.fontColor;
    savedAutoColor = values.autoColor;
    savedAutoFontSize = values.autoFontSize;
    savedFont = values.font;
    return true;
}

void WatermarkSettings::loadSaved(const QString &path)
{
    if (path.isEmpty())
        return;
    readSaved(path);
    if (settingsLoaded)
        applySaved();
}

WatermarkText WatermarkSettings::startText() const
{
    if (!settingsLoaded)
        return WatermarkText(QLatin1String(defaultWatermarkText), true);
    return WatermarkText(savedText, savedUseCopyright);
}

int WatermarkSettings::startPosition() const
{
    return settingsLoaded && Position::isValid(savedPosition) ? savedPosition : Position::Center;
}

QString WatermarkSettings::settingsFilePath() const
{
    if (settingsDirPath.isEmpty())
        return QString();
    return settingsDirPath + QLatin1Char('/') + QLatin1String(SettingsFile::fileName);
}
