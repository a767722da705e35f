// Times a whole image read and a whole image write of korvan7x-cli against korvan7x-radio with
// 9600-baud wire timing, and compares them with what the line itself needs: the bytes both ways
// at 10/9600 s each plus the radio's turnaround per exchange. Also the CLI's CPU time, and a
// write with its preview and check against a read, a write and a read one after the other.
//
//   bench_transfer [--no-echo] [--turnaround-us N] [--runs N]
//
// The transfer is timed from the program's own serial trace: from the handshake the radio
// answered to the radio's last byte. With an echoing cable (the default) that is the first
// handshake; without one the program's first handshake expects an echo, goes unanswered and
// costs one reply timer, which the window leaves out.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;
constexpr double kRatioBudget = 1.03;
constexpr double kCpuShareBudget = 0.05;

struct Child {
    pid_t pid = -1;
    int stdoutFd = -1;
};

Child spawn(const std::string& program, const std::vector<std::string>& args,
            const std::string& errFile, bool pipeStdout) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    int pipeFds[2] = {-1, -1};
    if (pipeStdout) {
        if (::pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> storage{program};
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : storage) argv.push_back(s.data());
    argv.push_back(nullptr);
    Child child;
    if (posix_spawn(&child.pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    posix_spawn_file_actions_destroy(&actions);
    if (pipeStdout) {
        ::close(pipeFds[1]);
        child.stdoutFd = pipeFds[0];
    }
    return child;
}

struct Finished {
    int exitCode = -1;
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

Finished runToEnd(const std::string& program, const std::vector<std::string>& args,
                  const std::string& errFile) {
    const auto start = std::chrono::steady_clock::now();
    const Child child = spawn(program, args, errFile, false);
    int status = 0;
    rusage usage{};
    while (::wait4(child.pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    Finished f;
    f.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    f.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    f.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return f;
}

// One delivery in the trace.
struct TraceLine {
    double ms;
    bool sent;
    std::vector<int> bytes;
};

std::vector<TraceLine> readTrace(const fs::path& path) {
    std::vector<TraceLine> lines;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        TraceLine t{};
        std::string direction;
        if (!(words >> t.ms >> direction) || (direction != "TX" && direction != "RX")) continue;
        t.sent = direction == "TX";
        std::string word;
        while (words >> word && word.size() == 2 && std::isxdigit(word[0]) &&
               std::isxdigit(word[1])) {
            t.bytes.push_back(std::stoi(word, nullptr, 16));
        }
        // A wrapped line of the same delivery carries the same time.
        if (!lines.empty() && lines.back().sent == t.sent && lines.back().ms == t.ms) {
            lines.back().bytes.insert(lines.back().bytes.end(), t.bytes.begin(), t.bytes.end());
        } else {
            lines.push_back(t);
        }
    }
    return lines;
}

struct Exchange {
    double sentMs;
    double lastReceivedMs;
    std::vector<int> request;
    std::size_t received = 0;
};

struct TransferTiming {
    double elapsedMs = 0;  // from the answered handshake to the radio's last byte
    double lineMs = 0;     // bytes both ways at 9600 baud plus one turnaround per exchange
    int exchanges = 0;
};

TransferTiming timeTransfer(const fs::path& trace, bool echo, double turnaroundMs) {
    std::vector<Exchange> exchanges;
    for (const TraceLine& t : readTrace(trace)) {
        if (t.sent) {
            exchanges.push_back({t.ms, t.ms, t.bytes, 0});
        } else if (!exchanges.empty()) {
            exchanges.back().lastReceivedMs = t.ms;
            exchanges.back().received += t.bytes.size();
        }
    }
    const std::vector<int> handshake = {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D};
    // The last handshake is the one that was answered; everything before it is the search
    // for the cable's echo.
    std::size_t first = 0;
    for (std::size_t i = 0; i < exchanges.size(); ++i) {
        if (exchanges[i].request == handshake) first = i;
    }
    TransferTiming timing;
    if (exchanges.empty()) return timing;
    timing.elapsedMs = exchanges.back().lastReceivedMs - exchanges[first].sentMs;
    for (std::size_t i = first; i < exchanges.size(); ++i) {
        const std::size_t sent = exchanges[i].request.size();
        const std::size_t answer = exchanges[i].received - (echo ? sent : 0);
        timing.lineMs += static_cast<double>(sent + answer) * kByteMs + turnaroundMs;
        ++timing.exchanges;
    }
    return timing;
}

struct Options {
    bool echo = true;
    int turnaroundUs = 2000;
    int runs = 1;
};

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--no-echo") {
            o.echo = false;
        } else if (a == "--turnaround-us" && i + 1 < argc) {
            o.turnaroundUs = std::stoi(argv[++i]);
        } else if (a == "--runs" && i + 1 < argc) {
            o.runs = std::max(1, std::stoi(argv[++i]));
        } else {
            throw std::runtime_error(
                "usage: bench_transfer [--no-echo] [--turnaround-us N] "
                "[--runs N]");
        }
    }
    return o;
}

// `plain` is the same transfer without the trace: the CLI's CPU as a user runs it.
bool report(const char* what, const TransferTiming& t, const Finished& traced,
            const Finished& plain) {
    const double ratio = t.elapsedMs / t.lineMs;
    const double seconds = t.elapsedMs / 1000.0;
    const double share = plain.cpuSeconds / seconds;
    const double tracedShare = traced.cpuSeconds / seconds;
    const bool completed = traced.exitCode == 0 && plain.exitCode == 0;
    const bool ok = completed && ratio <= kRatioBudget && share <= kCpuShareBudget;
    std::printf("%-6s %9.3f s %11.3f s %7.4f %8.3f s %7.2f %% %8.2f %%  %4d   %s\n", what, seconds,
                t.lineMs / 1000.0, ratio, plain.cpuSeconds, share * 100.0, tracedShare * 100.0,
                t.exchanges,
                !completed ? "FAILED"
                : ok       ? "within budget"
                           : "OVER BUDGET");
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options o = parse(argc, argv);
        const fs::path dir =
            fs::temp_directory_path() / ("k7x_bench_transfer_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const std::string cli = K7X_CLI_PATH;
        const std::string radio = K7X_RADIO_PATH;
        const std::string link = (dir / "radio").string();

        if (runToEnd(cli, {"new", "--mode", "2", "-o", (dir / "doc.dat").string()},
                     (dir / "new.err").string())
                .exitCode != 0) {
            throw std::runtime_error("korvan7x-cli new failed");
        }

        std::vector<std::string> radioArgs = {"--link",
                                              link,
                                              "--mode",
                                              "2",
                                              "--wire-timing",
                                              "--turnaround-us",
                                              std::to_string(o.turnaroundUs)};
        if (o.echo) radioArgs.push_back("--echo");
        const Child sim = spawn(radio, radioArgs, (dir / "radio.err").string(), true);
        pollfd pfd{sim.stdoutFd, POLLIN, 0};
        char started[256] = {};
        if (::poll(&pfd, 1, 5000) <= 0 || ::read(sim.stdoutFd, started, sizeof started - 1) <= 0) {
            throw std::runtime_error("korvan7x-radio did not start");
        }

        std::printf("korvan7x-cli against korvan7x-radio --wire-timing%s, turnaround %d us\n",
                    o.echo ? " --echo" : "", o.turnaroundUs);
        std::printf("%-6s %11s %13s %7s %10s %9s %10s  %4s\n", "", "elapsed", "wire+turn", "ratio",
                    "CLI CPU", "CPU share", "w/ trace", "exch");
        bool ok = true;
        const std::string readOut = (dir / "read.dat").string();
        const std::string doc = (dir / "doc.dat").string();
        for (int run = 0; run < o.runs; ++run) {
            const fs::path readTrace = dir / "read.trace";
            const std::string readErr = (dir / "read.err").string();
            const Finished read = runToEnd(
                cli, {"read", "--port", link, "-o", readOut, "--trace", readTrace.string()},
                readErr);
            const Finished readPlain =
                runToEnd(cli, {"read", "--port", link, "-o", readOut}, readErr);
            ok &= report("read", timeTransfer(readTrace, o.echo, o.turnaroundUs / 1000.0), read,
                         readPlain);

            const fs::path writeTrace = dir / "write.trace";
            const std::string writeErr = (dir / "write.err").string();
            const Finished write = runToEnd(
                cli, {"write", "--port", link, doc, "--trace", writeTrace.string()}, writeErr);
            const Finished writePlain = runToEnd(cli, {"write", "--port", link, doc}, writeErr);
            ok &= report("write", timeTransfer(writeTrace, o.echo, o.turnaroundUs / 1000.0), write,
                         writePlain);

            // A write that first shows its changes and afterwards checks the radio costs one
            // read before and one after it, and nothing more.
            const Finished checked = runToEnd(
                cli, {"write", "--preview", "--yes", "--verify", "--port", link, doc}, writeErr);
            const double parts = 2 * readPlain.wallSeconds + writePlain.wallSeconds;
            const bool checkedOk =
                checked.exitCode == 0 && checked.wallSeconds <= parts * kRatioBudget;
            std::printf("checked write %.3f s, read + write + read %.3f s, ratio %.4f   %s\n",
                        checked.wallSeconds, parts, checked.wallSeconds / parts,
                        checked.exitCode != 0 ? "FAILED"
                        : checkedOk           ? "within budget"
                                              : "OVER BUDGET");
            ok &= checkedOk;
        }
        std::printf(
            "budgets: ratio <= %.2f, CPU share <= %.0f %%: CPU of the whole CLI process "
            "(start-up included) over the transfer's elapsed time; 'w/ trace' is the "
            "timed run, which also writes the serial trace\n",
            kRatioBudget, kCpuShareBudget * 100);

        ::kill(sim.pid, SIGTERM);
        ::waitpid(sim.pid, nullptr, 0);
        fs::remove_all(dir);
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_transfer: %s\n", e.what());
        return 2;
    }
}
