#pragma once

#include <QSize>
#include <QString>

#include <functional>

// What fills the fields of a watermark text for one picture.
struct FieldValues
{
    QString fileName; // with its suffix
    QString date;     // yyyy-MM-dd as the camera recorded it, or empty
    QString artist;
    QString camera;
    QString lens;
    double fNumber = 0;      // 0: not recorded, as for the three below
    double exposureTime = 0; // seconds
    double focalLength = 0;  // millimetres
    int isoSpeed = 0;
    QString title;
    QString caption;
    QSize size; // of the upright picture, before scaling

    // The values the sample picture shows in place of a real picture's.
    static FieldValues example(const QSize &size);
    // The values of a picture named fileName, of size, from facts: its metadata, which answers
    // dateTaken(), artist(), camera(), lens(), fNumber(), exposureTime(), focalLength(),
    // isoSpeed(), title() and caption().
    template<typename Facts>
    static FieldValues of(const QString &fileName, const QSize &size, const Facts &facts)
    {
        FieldValues values;
        values.fileName = fileName;
        values.date = facts.dateTaken();
        values.artist = facts.artist();
        values.camera = facts.camera();
        values.lens = facts.lens();
        values.fNumber = facts.fNumber();
        values.exposureTime = facts.exposureTime();
        values.focalLength = facts.focalLength();
        values.isoSpeed = facts.isoSpeed();
        values.title = facts.title();
        values.caption = facts.caption();
        values.size = size;
        return values;
    }
};

// A watermark text as typed, with fields such as {filename} or {date} that each picture fills in
// for itself, and the copyright sign that goes before it. "{{" and "}}" stand for braces; any
// other {word} stays as typed. A line that a field leaves blank is dropped.
struct WatermarkText
{
    QString typed;
    bool copyrightSign = false;

    WatermarkText() = default;
    // Implicit: a plain text without the sign, as tests and tools write it.
    WatermarkText(const QString &text, bool sign = false)
      : typed(text)
      , copyrightSign(sign)
    {
    }

    // Whether a field needs the picture's metadata ({date}, {year}, {artist}, {camera}).
    bool needsMetadata() const;
    // "© " (with the sign) followed by the typed text with its fields filled.
    QString filled(const FieldValues &values) const;

    bool operator==(const WatermarkText &other) const
    {
        return typed == other.typed && copyrightSign == other.copyrightSign;
    }
};

// The field names, in the order the text box's menu offers them, with an example each.
struct FieldName
{
    const char *name;
    const char *example;
};
inline constexpr FieldName fieldNames[] = {
    { "filename", "IMG_0042.jpg" },
    { "date", "2024-06-01" },
    { "year", "2024" },
    { "artist", "Anna Berg" },
    { "camera", "NIKON D750" },
    { "lens", "AF-S NIKKOR 24-70mm f/2.8E ED VR" },
    { "aperture", "f/2.8" },
    { "shutter", "1/250 s" },
    { "iso", "ISO 100" },
    { "focal", "50 mm" },
    { "exposure", "50 mm f/2.8 1/250 s ISO 100" },
    { "title", "Sunrise over the lake" },
    { "caption", "The first light on the water" },
    { "width", "6016" },
    { "height", "4016" },
};

// The exposure as photographers print it: "f/2.8", "f/11"; "1/250 s", "0.4 s", "30 s"; "50 mm",
// "4.1 mm"; "ISO 100". Empty for a value that is not recorded (0).
QString apertureText(double fNumber);
QString shutterText(double seconds);
QString focalText(double millimetres);
QString isoText(int speed);

// Whether text has a field that needs the picture's metadata ({date}, {year}, {artist}, {camera}).
bool usesMetadataFields(const QString &text);

// The value of the text field name ("date", "width" ...); false when there is no such field.
bool fieldValue(const QString &name, const FieldValues &values, QString *value);

// text with every {word} that lookup knows replaced by its value; "{{" and "}}" stand for braces
// and any other {word} stays as typed. *hadField tells whether a field was filled.
using FieldLookup = std::function<bool(const QString &name, QString *value)>;
QString fillFields(const QString &text, const FieldLookup &lookup, bool *hadField = nullptr);

// "© " (when copyright is set and the text does not start with "©" after its spaces) followed by
// the plain text, line breaks included: the one composer of every mark's text.
QString composeWatermarkText(bool copyright, const QString &plainText);
