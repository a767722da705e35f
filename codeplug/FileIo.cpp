#include "codeplug/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace k7x {
namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (a late write error shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string ErrnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::span<const Byte> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a save really replaces: the target of a symbolic link, else the path itself.
std::filesystem::path ResolveTarget(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p(path);
    if (std::filesystem::is_symlink(p, ec)) {
        std::filesystem::path target = std::filesystem::weakly_canonical(p, ec);
        if (!ec) return target;
    }
    return p;
}

std::string RandomSuffix() {
    std::random_device rd;
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s;
    for (int i = 0; i < 8; ++i) s += kDigits[rd() % 36];
    return s;
}

}  // namespace

std::optional<std::vector<Byte>> ReadFileBytes(const std::string& path, std::size_t limit) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;

    std::vector<Byte> bytes;
    bytes.resize(std::min<std::size_t>(limit, static_cast<std::size_t>(st.st_size)));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) break;  // the file shrank while we read it
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::span<const Byte> bytes,
                                               bool flush) {
    const std::filesystem::path target = ResolveTarget(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    struct stat existing {};
    const bool targetExists = ::stat(target.c_str(), &existing) == 0;
    if (targetExists && !S_ISREG(existing.st_mode)) return path + " is not a regular file";

    // A hidden name beside the target, so the rename never crosses file systems.
    std::string tempPath;
    int raw = -1;
    for (int attempt = 0; attempt < 16 && raw < 0; ++attempt) {
        tempPath =
            (folder / ("." + target.filename().string() + ".tmp-" + RandomSuffix())).string();
        raw = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) break;
    }
    if (raw < 0) return ErrnoText("cannot create a file in " + folder.string());
    Fd fd(raw);

    std::optional<std::string> failure;
    if (targetExists && ::fchmod(fd.get(), existing.st_mode & 07777) != 0) {
        failure = ErrnoText("cannot keep the permissions of " + path);
    } else if (!WriteAll(fd.get(), bytes)) {
        failure = ErrnoText("cannot write " + tempPath);
    } else if (flush && ::fsync(fd.get()) != 0) {
        failure = ErrnoText("cannot flush " + tempPath);
    } else if (!fd.close()) {
        failure = ErrnoText("cannot close " + tempPath);
    } else if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        failure = ErrnoText("cannot replace " + path);
    }
    if (failure) {
        ::unlink(tempPath.c_str());
        return failure;
    }

    if (flush) {
        // Make the rename itself durable; a folder that cannot be synced is no failure.
        Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.valid()) static_cast<void>(::fsync(dir.get()));
    }
    return std::nullopt;
}

}  // namespace k7x
