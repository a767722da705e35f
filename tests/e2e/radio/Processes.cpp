#include "Processes.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace k7x::e2e {

namespace fs = std::filesystem;

namespace {

std::vector<char*> argvOf(const std::string& program, const std::vector<std::string>& args,
                          std::vector<std::string>& storage) {
    storage.clear();
    storage.push_back(program);
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : storage) argv.push_back(s.data());
    argv.push_back(nullptr);
    return argv;
}

// The environment of the test, with the user's configuration, data and state folders moved
// into `dir`, so no setting of the person running the tests counts and no backup or trace lands
// in their home.
std::vector<std::string> environmentFor(const fs::path& dir) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.starts_with("XDG_CONFIG_HOME=") || entry.starts_with("XDG_DATA_HOME=") ||
            entry.starts_with("XDG_STATE_HOME=") || entry.starts_with("LANG=") ||
            entry.starts_with("LC_ALL=")) {
            continue;
        }
        env.push_back(entry);
    }
    env.push_back("XDG_CONFIG_HOME=" + (dir / "config").string());
    env.push_back("XDG_DATA_HOME=" + (dir / "data").string());
    env.push_back("XDG_STATE_HOME=" + (dir / "state").string());
    env.push_back("LC_ALL=C");
    return env;
}

pid_t spawn(const std::string& program, const std::vector<std::string>& args, const fs::path& dir,
            const std::string& outFile, const std::string& errFile, int stdoutPipe = -1) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (stdoutPipe >= 0) {
        posix_spawn_file_actions_adddup2(&actions, stdoutPipe, STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> storage;
    std::vector<char*> argv = argvOf(program, args, storage);
    std::vector<std::string> env = environmentFor(dir);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + program);
    return pid;
}

}  // namespace

int WaitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

pid_t StartCli(const std::vector<std::string>& args, const fs::path& dir) {
    return spawn(K7X_CLI_PATH, args, dir, (dir / "background.out").string(),
                 (dir / "background.err").string());
}

namespace {

CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                  const fs::path& dir) {
    const fs::path out = dir / "cli.out";
    const fs::path err = dir / "cli.err";
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = spawn(program, args, dir, out.string(), err.string());
    CliRun run;
    run.exitCode = WaitFor(pid);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.out = ReadAll(out);
    run.err = ReadAll(err);
    return run;
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& args, const fs::path& dir) {
    return runProgram(K7X_CLI_PATH, args, dir);
}

CliRun RunCliThrough(std::vector<std::string> wrapper, const std::vector<std::string>& args,
                     const fs::path& dir) {
    const std::string program = wrapper.front();
    wrapper.erase(wrapper.begin());
    wrapper.push_back(K7X_CLI_PATH);
    wrapper.insert(wrapper.end(), args.begin(), args.end());
    return runProgram(program, wrapper, dir);
}

SimulatedRadio::SimulatedRadio(const fs::path& dir, std::vector<std::string> options)
    : link_((dir / "radio").string()) {
    options.insert(options.begin(), {"--link", link_});
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    pid_ = spawn(K7X_RADIO_PATH, options, dir, {}, (dir / "radio.err").string(), pipeFds[1]);
    ::close(pipeFds[1]);
    // The first line is the terminal's path; the link exists by then.
    std::string line;
    pollfd pfd{pipeFds[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos && ::poll(&pfd, 1, 5000) > 0) {
        char buffer[256];
        const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        line.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    if (line.find('\n') == std::string::npos) {
        kill();
        throw std::runtime_error("korvan7x-radio did not start: " + ReadAll(dir / "radio.err"));
    }
    terminal_ = line.substr(0, line.find('\n'));
}

SimulatedRadio::~SimulatedRadio() {
    if (pid_ > 0) stop();
}

bool SimulatedRadio::stop() {
    if (pid_ <= 0) return false;
    ::kill(pid_, SIGTERM);
    const int code = WaitFor(pid_);
    pid_ = -1;
    return code == 0;
}

void SimulatedRadio::kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    WaitFor(pid_);
    pid_ = -1;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + what.size())) {
        ++n;
    }
    return n;
}

}  // namespace k7x::e2e
