// Feeds arbitrary bytes to the settings-file reader.
#include <QBuffer>
#include <QGuiApplication>

#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts need it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    WatermarkSettings settings;
    SettingsFile::read(&buffer, settings);
    // What was read must be writable again.
    SettingsFile::Values values;
    values.text = settings.savedText;
    values.position = settings.savedPosition;
    values.alpha = settings.savedAlpha;
    values.fontColor = settings.savedFontColor;
    values.font = settings.savedFont;
    SettingsFile::serialize(values);
    return 0;
}
