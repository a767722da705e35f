#include "radiosim/core/PseudoTerminal.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace k7x::sim {

namespace {

std::string failure(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

PseudoTerminal::~PseudoTerminal() {
    removeLink();
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
}

std::optional<std::string> PseudoTerminal::open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return failure("posix_openpt");
    if (::grantpt(master_) != 0) return failure("grantpt");
    if (::unlockpt(master_) != 0) return failure("unlockpt");
    char name[128] = {};
    if (::ptsname_r(master_, name, sizeof name) != 0) return failure("ptsname");
    terminalPath_ = name;
    // Our own opening of the terminal keeps it alive while programs open and close it, and
    // lets the radio undo an exclusive lock left behind by a program that died.
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) return failure("open the terminal");

    // Raw bytes both ways at 9600 baud; the settings belong to the pair and outlast every
    // open and close of the terminal by the program.
    termios tio{};
    if (::tcgetattr(master_, &tio) != 0) return failure("tcgetattr");
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    if (::tcsetattr(master_, TCSANOW, &tio) != 0) return failure("tcsetattr");

    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) return failure("fcntl");
    return std::nullopt;
}

std::optional<std::string> PseudoTerminal::makeLink(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        return path + " exists and is not a symbolic link; not replacing it";
    }
    // A new link under a temporary name, renamed over the old one, so the path never dangles.
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    if (::symlink(terminalPath_.c_str(), temporary.c_str()) != 0) {
        return failure(("cannot create the link " + path).c_str());
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        std::string why = failure(("cannot create the link " + path).c_str());
        ::unlink(temporary.c_str());
        return why;
    }
    linkPath_ = path;
    return std::nullopt;
}

bool PseudoTerminal::releaseExclusiveUse() {
    int exclusive = 0;
    if (slave_ < 0 || ::ioctl(slave_, TIOCGEXCL, &exclusive) != 0 || exclusive == 0) return false;
    return ::ioctl(slave_, TIOCNXCL) == 0;
}

void PseudoTerminal::removeLink() {
    if (linkPath_.empty()) return;
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::read_symlink(linkPath_, ec);
    if (!ec && target == terminalPath_) std::filesystem::remove(linkPath_, ec);
    linkPath_.clear();
}

}  // namespace k7x::sim
