#pragma once

#include <QString>

#include "textfields.h"

// The values an output name can hold for one picture, beyond its text fields.
struct NameValues
{
    FieldValues fields; // fileName is the source's file name, suffix included
    int counter = 1;    // 1-based position in the list
    QString preset;     // the chosen preset's name, or empty
};

// An output name template such as "{name}-web" or "{date} {counter:3}": every text field, {name}
// (the source's file name without its last suffix), {counter}, {counter:N} (zero-padded to N
// digits) and {preset}. The format's suffix is not part of it.
class NameTemplate
{
public:
    static constexpr char defaultText[] = "{name}";

    explicit NameTemplate(const QString &text);

    // Why text cannot name outputs (an unknown field, a counter's width outside 1 to 9, a "{"
    // without its "}"), or empty.
    static QString problem(const QString &text);

    // The default names every output after its source, exactly as the file names it.
    bool isDefault() const { return m_text == QLatin1String(defaultText); }
    bool needsMetadata() const;
    bool needsSize() const;
    // Whether a name holds the picture's place in the list, which only its run knows.
    bool usesCounter() const { return m_text.contains(QLatin1String("{counter")); }

    // The output's name without suffix. Field values are made safe for a file name: "/", NUL and
    // other control characters become "_", and a leading "." or "-" gets a "_" before it. An
    // empty result falls back to {name}.
    QString baseName(const NameValues &values) const;

private:
    QString m_text;
};

// base + tag + "." + suffix (no dot when suffix is empty), with base cut at a character boundary
// so that the name stays within a file name's 255 bytes.
QString fileNameWithin(const QString &base, const QString &tag, const QString &suffix);
