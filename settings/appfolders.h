#pragma once

struct WatermarkSettings;

namespace AppFolders {
// Sets the folder paths of the settings: the executable's folder, the data folder "QRL" (the
// first output folder) and the settings folder "QRLSettings" under the user's data folder, and
// the cache folder for the preview samples. A subfolder that cannot be made falls back to its
// base folder, without a message.
void setUp(WatermarkSettings &settings);
// The same paths, as a program that makes no folder of its own sees them (the command line
// makes only the output folder it writes into).
void locate(WatermarkSettings &settings);
} // namespace AppFolders
