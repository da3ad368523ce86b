#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace varnel::fuzz {

namespace {

std::filesystem::path Folder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp") +
                              std::string("/varnel-fuzz-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr)
            Fail("cannot make a folder", pattern);
        return std::filesystem::path(pattern);
    }();
    return folder;
}

} // namespace

std::filesystem::path FileWith(const std::uint8_t* data, std::size_t size,
                               const std::string& name) {
    const std::filesystem::path file = Folder() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return file;
}

void Fail(const std::string& what, const std::string& detail) {
    std::fprintf(stderr, "%s\n---\n%s\n---\n", what.c_str(), detail.c_str());
    std::abort();
}

} // namespace varnel::fuzz
