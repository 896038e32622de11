#pragma once

#include <QString>

#include <array>
#include <string_view>

#include "existingfiles.h"
#include "metadatachoice.h"

// How outputs are published, beyond the main window's size and format: which metadata they keep,
// the JPEG quality, how fixed sizes treat proportions, what happens to a file of the same name and
// which colour space the pixels are written in, and how outputs are named.
enum class ResizeMode { Stretch, Fit };
enum class ColourChoice { Keep, Srgb };
enum class JpegMode { Encode, Keep }; // Keep: a JPEG changes only the watermark's blocks

struct OutputPolicy
{
    static constexpr int minQuality = 1;
    static constexpr int maxQuality = 100;

    MetadataChoice metadata = MetadataChoice::AllButLocation;
    bool copyrightFromText = false;
    int jpegQuality = 75; // what Qt's JPEG writer uses by default
    ResizeMode resize = ResizeMode::Stretch;
    ExistingFiles existingFiles = ExistingFiles::Replace;
    ColourChoice colour = ColourChoice::Keep;        // Srgb: every picture converted before drawing
    QString nameTemplate = QStringLiteral("{name}"); // see NameTemplate
    JpegMode jpegMode = JpegMode::Encode;

    // "Remove all" without the copyright notice never calls the metadata library.
    bool touchesMetadata() const { return metadata != MetadataChoice::None || copyrightFromText; }
};

// The words that name each choice in the configuration file and on the command line, in the
// order of the enumerations (the metadata and existing-file choices name theirs beside them).
inline constexpr std::array<const char *, 2> resizeModeNames = { "stretch", "fit" };
inline constexpr std::array<const char *, 2> colourChoiceNames = { "keep", "srgb" };
inline constexpr std::array<const char *, 2> jpegModeNames = { "encode", "keep" };

// The index of name in names, or -1.
template<size_t N>
int choiceIndex(const std::array<const char *, N> &names, const char *name)
{
    for (size_t i = 0; i < N; ++i) {
        if (std::string_view(names[i]) == name)
            return int(i);
    }
    return -1;
}
