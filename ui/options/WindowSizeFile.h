#pragma once

#include <filesystem>

namespace varnel {

struct TWindowSize {
    int Width = 640;
    int Height = 420;
};

// The main window's size between runs: "Width=" and "Height=" lines in
// VarnelKalto.ext of the program folder.
std::filesystem::path WindowSizeFileName();
// A missing file, key or non-integer value gives the default.
TWindowSize ReadWindowSize();
TWindowSize ReadWindowSizeFrom(const std::filesystem::path& file);
void WriteWindowSize(const TWindowSize& size);

} // namespace varnel
