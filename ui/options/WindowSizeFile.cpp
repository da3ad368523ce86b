#include "ui/options/WindowSizeFile.h"

#include "common/FileLocations.h"
#include "ui/options/KeyValueLines.h"

#include <string>

namespace varnel {

std::filesystem::path WindowSizeFileName() {
    return WritableFile(TWritableKind::Config, "VarnelKalto.ext");
}

TWindowSize ReadWindowSize() {
    return ReadWindowSizeFrom(WindowSizeFileName());
}

TWindowSize ReadWindowSizeFrom(const std::filesystem::path& file) {
    TKeyValueLines lines;
    lines.LoadFromFile(file);
    TWindowSize size;
    size.Width = lines.IntValue("Width", size.Width);
    size.Height = lines.IntValue("Height", size.Height);
    return size;
}

void WriteWindowSize(const TWindowSize& size) {
    TKeyValueLines lines;
    lines.Append("Width", std::to_string(size.Width));
    lines.Append("Height", std::to_string(size.Height));
    lines.SaveToFile(WindowSizeFileName());
}

} // namespace varnel
