#pragma once

struct WatermarkSettings;

namespace AppFolders {
// Sets the folder paths of the settings: the executable's folder, the data folder "QRL" (the
// first output folder) and the settings folder "QRLSettings" under the user's data folder, and
// the cache folder for the preview samples. A subfolder that cannot be made falls back to its
// base folder, without a message.
void setUp(WatermarkSettings &settings);
} // namespace AppFolders
