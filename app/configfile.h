#pragma once

#include "engine/outputpolicy.h"

// Quorlane's own options beyond the settings file, in $XDG_CONFIG_HOME/quorlane/quorlane.conf.
// A missing, unknown or out-of-range value reads as its default.
namespace ConfigFile {

OutputPolicy loadOutputPolicy();
void saveOutputPolicy(const OutputPolicy &policy);

} // namespace ConfigFile
