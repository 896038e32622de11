#pragma once

#include <array>

// What happens when an output's name is already taken in the folder: the file is replaced, the
// output gets the next free number, or the picture is skipped.
enum class ExistingFiles { Replace, Number, Skip };

// The words that name each choice in the configuration file and on the command line.
inline constexpr std::array<const char *, 3> existingFilesNames = { "replace", "number", "skip" };
