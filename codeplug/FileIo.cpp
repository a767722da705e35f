#include "codeplug/FileIo.h"

#include <fcntl.h>
#include <sys/file.h>
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

constexpr std::size_t kSuffixLength = 8;

std::string RandomSuffix() {
    std::random_device rd;
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s;
    for (std::size_t i = 0; i < kSuffixLength; ++i) s += kDigits[rd() % 36];
    return s;
}

// The hidden name of a temporary file beside the target, so the rename never crosses file
// systems: ".NAME.tmp-" and a random suffix.
std::string TemporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".tmp-";
}

bool IsTemporaryName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + kSuffixLength || !name.starts_with(prefix)) return false;
    return name.find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyz", prefix.size()) ==
           std::string::npos;
}

// Where the save's content goes before the rename, and what it is called once it has a name.
struct Temporary {
    std::string path;  // empty while the file has no name
    int fd = -1;
};

// A new named temporary file, locked for as long as this save holds it. A file that a cleaner
// took for stale in the instant between its creation and its lock is gone (no links left);
// then another name is tried.
std::optional<std::string> CreateNamedTemporary(const std::filesystem::path& folder,
                                                const std::string& prefix, Temporary& temp) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temp.path = (folder / (prefix + RandomSuffix())).string();
        const int fd = ::open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            break;
        }
        // A file system without locks still gets its save; only the cleaning is less sure.
        static_cast<void>(::flock(fd, LOCK_EX));
        struct stat st {};
        if (::fstat(fd, &st) == 0 && st.st_nlink == 0) {
            ::close(fd);
            continue;
        }
        temp.fd = fd;
        return std::nullopt;
    }
    temp.path.clear();
    return ErrnoText("cannot create a file in " + folder.string());
}

// An unnamed file in the folder, locked before it ever gets a name; false where the file
// system (or the kernel) has none.
bool CreateUnnamedTemporary(const std::filesystem::path& folder, Temporary& temp) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    static_cast<void>(::flock(fd, LOCK_EX));
    temp.fd = fd;
    temp.path.clear();
    return true;
}

// Gives the finished unnamed file its temporary name; false when the system offers no way to
// link it (no /proc, a file system that refuses).
bool NameUnnamedTemporary(const std::filesystem::path& folder, const std::string& prefix,
                          Temporary& temp) {
    const std::string self = "/proc/self/fd/" + std::to_string(temp.fd);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string name = (folder / (prefix + RandomSuffix())).string();
        // The direct way needs a privilege most users lack; the /proc way does not.
        if (::linkat(temp.fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0 ||
            ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temp.path = name;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

// Writes the content into the temporary file, with the permissions the target had.
std::optional<std::string> Fill(int fd, const std::string& path, const std::string& shown,
                                const struct stat* existing, std::span<const Byte> bytes,
                                bool flush) {
    if (existing && ::fchmod(fd, existing->st_mode & 07777) != 0) {
        return ErrnoText("cannot keep the permissions of " + path);
    }
    if (!WriteAll(fd, bytes)) return ErrnoText("cannot write " + shown);
    if (flush && ::fsync(fd) != 0) return ErrnoText("cannot flush " + shown);
    return std::nullopt;
}

// Renames the named temporary file over the target, then lets go of it: the lock goes with the
// last descriptor, so until the rename a cleaner sees the file as held. On failure the
// temporary file is removed.
std::optional<std::string> Replace(Fd& fd, const std::string& tempPath,
                                   const std::filesystem::path& target, const std::string& path) {
    std::optional<std::string> failure;
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        failure = ErrnoText("cannot replace " + path);
    } else if (!fd.close()) {
        failure = ErrnoText("cannot close " + tempPath);
    }
    if (failure) ::unlink(tempPath.c_str());
    return failure;
}

// The unnamed way: nothing has a name before the content is complete. nullopt with
// `done` false when the file system cannot do it and the named way is to be taken.
std::optional<std::string> SaveThroughUnnamed(const std::filesystem::path& folder,
                                              const std::filesystem::path& target,
                                              const std::string& path, const struct stat* existing,
                                              std::span<const Byte> bytes, bool flush, bool& done) {
    done = false;
    Temporary temp;
    if (!CreateUnnamedTemporary(folder, temp)) return std::nullopt;
    Fd fd(temp.fd);
    done = true;
    // A failure here leaves nothing behind: the file has no name.
    if (auto failure = Fill(fd.get(), path, "a new file for " + path, existing, bytes, flush)) {
        return failure;
    }
    if (!NameUnnamedTemporary(folder, TemporaryPrefix(target), temp)) {
        done = false;
        return std::nullopt;
    }
    return Replace(fd, temp.path, target, path);
}

std::optional<std::string> SaveThroughNamed(const std::filesystem::path& folder,
                                            const std::filesystem::path& target,
                                            const std::string& path, const struct stat* existing,
                                            std::span<const Byte> bytes, bool flush) {
    Temporary temp;
    if (auto failure = CreateNamedTemporary(folder, TemporaryPrefix(target), temp)) return failure;
    Fd fd(temp.fd);
    if (auto failure = Fill(fd.get(), path, temp.path, existing, bytes, flush)) {
        ::unlink(temp.path.c_str());
        return failure;
    }
    return Replace(fd, temp.path, target, path);
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
                                               bool flush, TemporaryFile temporary) {
    const std::filesystem::path target = ResolveTarget(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    struct stat existing {};
    const bool targetExists = ::stat(target.c_str(), &existing) == 0;
    if (targetExists && !S_ISREG(existing.st_mode)) return path + " is not a regular file";
    const struct stat* keep = targetExists ? &existing : nullptr;

    // What an earlier save of this file left when it was killed goes first.
    RemoveStaleTemporaries(path);

    bool done = false;
    std::optional<std::string> failure;
    if (temporary == TemporaryFile::UnnamedWhereSupported) {
        failure = SaveThroughUnnamed(folder, target, path, keep, bytes, flush, done);
    }
    if (!done) failure = SaveThroughNamed(folder, target, path, keep, bytes, flush);
    if (failure) return failure;

    if (flush) {
        // Make the rename itself durable; a folder that cannot be synced is no failure.
        Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.valid()) static_cast<void>(::fsync(dir.get()));
    }
    return std::nullopt;
}

int RemoveStaleTemporaries(const std::string& path) {
    const std::filesystem::path target = ResolveTarget(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    const std::string prefix = TemporaryPrefix(target);
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!IsTemporaryName(name, prefix)) continue;
        Fd fd(::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        // A save that is alive holds the lock; the file of one that was killed is free.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
        if (::unlink(entry.path().c_str()) == 0) ++removed;
    }
    return removed;
}

}  // namespace k7x
