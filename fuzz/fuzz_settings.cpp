// Feeds arbitrary bytes to the settings-file reader.
#include <QBuffer>
#include <QGuiApplication>

#include "settings/settingsfile.h"

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
    SettingsFile::Values values;
    SettingsFile::read(&buffer, values);
    // What was read must be writable again.
    SettingsFile::serialize(values);
    return 0;
}
