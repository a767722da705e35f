// Running korvan7x-cli and korvan7x-radio as a user would, for the end-to-end tests.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace k7x::e2e {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    double seconds = 0;
};

// Runs korvan7x-cli with stdin from /dev/null (no terminal, as in a script) and the user's
// configuration folder inside `dir`; waits for it.
CliRun RunCli(const std::vector<std::string>& args, const std::filesystem::path& dir);

// The same through a program that runs it as another user (setpriv ...): the wrapper's words
// come first (the program's path first of all), then korvan7x-cli and its arguments.
CliRun RunCliThrough(std::vector<std::string> wrapper, const std::vector<std::string>& args,
                     const std::filesystem::path& dir);

// Starts korvan7x-cli without waiting; its output goes to files in `dir`.
pid_t StartCli(const std::vector<std::string>& args, const std::filesystem::path& dir);
// Waits for a started program; its exit code, or -1 if it did not end normally.
int WaitFor(pid_t pid);

// A korvan7x-radio process, stopped when the object goes.
class SimulatedRadio {
public:
    // Starts the radio with a symbolic link `dir`/radio to its terminal.
    SimulatedRadio(const std::filesystem::path& dir, std::vector<std::string> options);
    ~SimulatedRadio();
    SimulatedRadio(const SimulatedRadio&) = delete;
    SimulatedRadio& operator=(const SimulatedRadio&) = delete;

    const std::string& port() const { return link_; }          // the link to give --port
    const std::string& terminal() const { return terminal_; }  // what it printed
    bool running() const { return pid_ > 0; }
    // Stops it the way a user does (SIGTERM); true when it ended cleanly.
    bool stop();
    // Ends it at once, as a pulled cable would end the line.
    void kill();

private:
    pid_t pid_ = -1;
    std::string link_;
    std::string terminal_;
};

// The whole content of a file ("" when missing).
std::string ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::string& content);
// How often a text occurs.
int Count(const std::string& text, const std::string& what);

}  // namespace k7x::e2e
