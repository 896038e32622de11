#pragma once

#include "engine/outputpolicy.h"
#include "engine/watermarkeffects.h"

// Quorlane's own options beyond the settings file, in $XDG_CONFIG_HOME/quorlane/quorlane.conf.
// A missing, unknown or out-of-range value reads as its default.
namespace ConfigFile {

OutputPolicy loadOutputPolicy();
void saveOutputPolicy(const OutputPolicy &policy);

// Without the logo picture itself: readLogo() reads it from logoPath.
WatermarkEffects loadWatermarkEffects();
void saveWatermarkEffects(const WatermarkEffects &effects);

} // namespace ConfigFile
