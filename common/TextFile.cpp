#include "common/TextFile.h"

#include "common/Exception.h"
#include "common/Windows1252.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#include <iterator>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnel {

namespace {

std::string Quoted(const std::filesystem::path& file) {
    return "\"" + file.string() + "\"";
}

[[noreturn]] void CannotRead(const std::filesystem::path& file, const std::string& why) {
    throw Exception("Cannot read file " + Quoted(file) + why);
}

// Nobody else can have made the temporary file first, so its name needs
// nothing but to be unlikely.
std::string TemporarySuffix() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    std::mt19937 generator(
        seed ^ counter.fetch_add(1) ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    const char* const letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix = ".";
    for (int i = 0; i < 10; ++i)
        suffix += letters[generator() % 36];
    return suffix + ".tmp";
}

// Appends a chunk of a file, up to the end of its maxLines-th line.
void AppendUpToLines(std::string& bytes, std::string_view chunk, std::size_t& lines,
                     std::size_t maxLines) {
    if (maxLines == AllLines) {
        bytes += chunk;
        return;
    }
    std::size_t end = 0;
    while (end < chunk.size() && lines < maxLines) {
        const std::size_t lineEnd = chunk.find('\n', end);
        if (lineEnd == std::string_view::npos) {
            end = chunk.size();
            break;
        }
        end = lineEnd + 1;
        ++lines;
    }
    bytes += chunk.substr(0, end);
}

std::filesystem::path TemporaryNameFor(const std::filesystem::path& file) {
    std::filesystem::path name = file.parent_path();
    return name / ("." + file.filename().string() + TemporarySuffix());
}

// Appends the text with CR LF after every line, handing each line's text to
// appendLine. The next CR and the next LF are each searched for once, so
// that a text of one kind of line end is not scanned again for the other.
template <class AppendLine>
void AppendLines(std::string& out, std::string_view text, AppendLine appendLine) {
    const char* const begin = text.data();
    const size_t size = text.size();
    auto next = [begin, size](char c, size_t from) {
        const void* found = std::memchr(begin + from, c, size - from);
        return found != nullptr ? static_cast<size_t>(static_cast<const char*>(found) - begin)
                                : size;
    };
    size_t nextCr = next('\r', 0);
    size_t nextLf = next('\n', 0);
    size_t pos = 0;
    while (pos < size) {
        if (nextCr < pos)
            nextCr = next('\r', pos);
        if (nextLf < pos)
            nextLf = next('\n', pos);
        const size_t end = std::min(nextCr, nextLf);
        appendLine(out, text.substr(pos, end - pos));
        out += "\r\n";
        if (end == size)
            break;
        pos = end + ((end == nextCr && end + 1 == nextLf) ? 2 : 1);
    }
}

void AppendAsIs(std::string& out, std::string_view text) {
    out.append(text);
}

#ifdef _WIN32

std::string ReadBytes(const std::filesystem::path& file, std::size_t maxLines) {
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (!std::filesystem::exists(status))
        return {};
    if (!std::filesystem::is_regular_file(status))
        CannotRead(file, ": it is not a regular file.");
    if (maxLines == AllLines && std::filesystem::file_size(file, ec) > MaxTextFileBytes)
        CannotRead(file, ": it is larger than 64 MiB.");
    std::ifstream in(file, std::ios::binary);
    if (!in)
        CannotRead(file, ".");
    std::string bytes;
    std::size_t lines = 0;
    char buffer[65536];
    while (lines < maxLines && in) {
        in.read(buffer, sizeof buffer);
        AppendUpToLines(bytes, std::string_view(buffer, static_cast<std::size_t>(in.gcount())),
                        lines, maxLines);
    }
    return bytes;
}

void WriteBytes(const std::string& bytes, const std::filesystem::path& file) {
    const std::filesystem::path temporary = TemporaryNameFor(file);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            throw Exception("Cannot create file " + Quoted(file) + ".");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw Exception("Cannot write file " + Quoted(file) + ".");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw Exception("Cannot create file " + Quoted(file) + ".");
    }
}

#else

class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : fd_(fd) {}
    ~TFileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Non-blocking, so that a FIFO in place of the file cannot hang the program
// before it is found not to be a regular file.
std::string ReadBytes(const std::filesystem::path& file, std::size_t maxLines) {
    TFileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        CannotRead(file, ".");
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0)
        CannotRead(file, ".");
    if (!S_ISREG(info.st_mode))
        CannotRead(file, ": it is not a regular file.");
    if (maxLines == AllLines && static_cast<std::uintmax_t>(info.st_size) > MaxTextFileBytes)
        CannotRead(file, ": it is larger than 64 MiB.");
    std::string bytes;
    if (maxLines == AllLines)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::size_t lines = 0;
    char buffer[65536];
    while (lines < maxLines && bytes.size() <= MaxTextFileBytes) {
        const ssize_t count = ::read(fd.Get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            CannotRead(file, ".");
        if (count == 0)
            break;
        AppendUpToLines(bytes, std::string_view(buffer, static_cast<std::size_t>(count)), lines,
                        maxLines);
    }
    // A file that grew while it was read.
    if (bytes.size() > MaxTextFileBytes)
        CannotRead(file, ": it is larger than 64 MiB.");
    return bytes;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

// O_EXCL refuses any name that exists, a link included, so the temporary
// file is always a new file of our own.
int CreateTemporary(const std::filesystem::path& file, std::filesystem::path& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryNameFor(file);
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// A replaced file keeps its permissions.
void KeepMode(int fd, const std::filesystem::path& file) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        (void)::fchmod(fd, info.st_mode & 07777);
}

void SyncFolder(const std::filesystem::path& file) {
    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    TFileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        (void)::fsync(fd.Get());
}

// Written to a new file beside the target, flushed to disk and renamed over
// it: a failed write never leaves a half-written file in place of a good one,
// and a link at the target's name is replaced, never written through.
void WriteBytes(const std::string& bytes, const std::filesystem::path& file) {
    std::filesystem::path temporary;
    TFileDescriptor fd(CreateTemporary(file, temporary));
    if (fd.Get() < 0)
        throw Exception("Cannot create file " + Quoted(file) + ".");
    KeepMode(fd.Get(), file);
    const bool written = WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0 && fd.Close();
    if (!written) {
        ::unlink(temporary.c_str());
        throw Exception("Cannot write file " + Quoted(file) + ".");
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw Exception("Cannot create file " + Quoted(file) + ".");
    }
    SyncFolder(file);
}

#endif

} // namespace

std::string NormalizeLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 2);
    AppendLines(out, text, AppendAsIs);
    return out;
}

std::string ReadTextFile(const std::filesystem::path& file, std::size_t maxLines) {
    const std::string bytes = ReadBytes(file, maxLines);
    // Decoding and line ends in one pass: neither touches what the other
    // looks at, so the order does not matter.
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8 + 2);
    AppendLines(text, bytes, AppendWindows1252AsUtf8);
    return text;
}

void WriteTextFile(const std::string& text, const std::filesystem::path& file) {
    WriteBytes(Utf8ToWindows1252(NormalizeLineEnds(text), Unencodable::Refuse), file);
}

void WriteXmlTextFile(const std::string& text, const std::filesystem::path& file) {
    WriteBytes(Utf8ToWindows1252(NormalizeLineEnds(text), Unencodable::CharacterReference), file);
}

} // namespace varnel
