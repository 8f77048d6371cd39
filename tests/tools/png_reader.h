#pragma once
// PNG files read back into the tools' picture type, for checking what they wrote.

#include "tools/snapshot/png_writer.h"

#include <optional>
#include <string>

// The picture as 8-bit RGB, or nothing when the file is missing or not a whole PNG.
std::optional<RgbImage> readPng(const std::string& path);
