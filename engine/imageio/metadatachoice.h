#pragma once

#include <array>

// Which of a source's metadata an output keeps.
enum class MetadataChoice { All, AllButLocation, Copyright, None };

// The words that name each choice in the configuration file and on the command line, in the
// order of the enumeration.
inline constexpr std::array<const char *, 4> metadataChoiceNames = { "all",
                                                                     "all-but-location",
                                                                     "copyright",
                                                                     "none" };
