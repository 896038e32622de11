#include "watermarksettings.h"

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
