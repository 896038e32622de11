#include "watermarksettings.h"

WatermarkSettings &WatermarkSettings::instance()
{
    // Built on first use, after the application object exists, so that its fonts are valid.
    static WatermarkSettings settings;
    return settings;
}
