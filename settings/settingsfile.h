#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QIODevice;

// The watermark settings kept between runs in "settings.qrl.xml": one empty "settings" element
// with 14 attributes. Font weights are stored on the old 0..99 scale (50 normal, 75 bold).
namespace SettingsFile {

inline constexpr char fileName[] = "settings.qrl.xml";

// The file's 14 values: what the main window writes when it closes and what a reader finds.
struct Values
{
    QString text;
    bool useCopyright = true;
    int position = 0;
    int alpha = 127;
    bool useDefaults = true;
    QColor fontColor;
    bool autoColor = true;
    bool autoFontSize = true;
    QFont font;
};

// Takes into values every "settings" element of the file at path, the last one winning; false
// when there is no file. A malformed file keeps the values of every complete "settings" start
// tag seen before the fault; values with no element left them as they were.
bool load(const QString &path, Values &values);
void read(QIODevice *device, Values &values);
// Why the file at path is no settings file (unreadable, empty, not XML, no settings element), or
// empty. load() makes the best of such a file; a file named on purpose is refused.
QString problem(const QString &path);

QByteArray serialize(const Values &values);
// Replaces the file atomically; on any failure the previous file stays as it was.
bool save(const QString &path, const Values &values, QString *error = nullptr);

// Conversions between the 0..99 weight scale of the file and Qt's 1..1000 scale.
int legacyToWeight(long long legacy);
int weightToLegacy(int weight);

} // namespace SettingsFile
