// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/tui/tmux_session.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);
constexpr const char* kSession = "norvane";

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

}   // namespace

TmuxSession::TmuxSession(const std::string& directory, const std::vector<std::string>& command, int columns, int rows)
    : m_socket(directory + "/tmux.sock"), m_statusFile(directory + "/exit-status")
{
    // The pane stays to be read after the program ends; nothing of the user's setup applies.
    const std::string config = directory + "/tmux.conf";
    std::ofstream(config) << "set -g remain-on-exit on\nset -g default-terminal xterm\nset -g status off\n";
    std::vector<std::string> arguments{"-f", config, "new-session", "-d", "-s", kSession,
                                       "-x", std::to_string(columns), "-y", std::to_string(rows),
                                       "sh", "-c", "\"$@\"; echo $? > \"$0\"", m_statusFile};
    arguments.insert(arguments.end(), command.begin(), command.end());
    m_started = Run(arguments, nullptr);
}

TmuxSession::~TmuxSession()
{
    (void)Run({"kill-server"}, nullptr);
    ::unlink(m_socket.c_str());
    ::unlink(m_statusFile.c_str());
}

bool TmuxSession::Available()
{
    return ::access("/usr/bin/tmux", X_OK) == 0;
}

void TmuxSession::Keys(const std::vector<std::string>& keys)
{
    for (const std::string& key : keys)
        (void)Run({"send-keys", "-t", kSession, key}, nullptr);
}

void TmuxSession::Text(const std::string& text)
{
    (void)Run({"send-keys", "-t", kSession, "-l", text}, nullptr);
}

void TmuxSession::Resize(int columns, int rows)
{
    (void)Run({"resize-window", "-t", kSession, "-x", std::to_string(columns), "-y", std::to_string(rows)}, nullptr);
}

std::vector<std::string> TmuxSession::Screen()
{
    return Tmux({"capture-pane", "-p", "-t", kSession});
}

std::string TmuxSession::ScreenText()
{
    return Joined(Screen());
}

std::string TmuxSession::WholeText()
{
    return Joined(Tmux({"capture-pane", "-p", "-J", "-S", "-", "-t", kSession}));
}

bool TmuxSession::WaitUntil(const std::function<bool(const std::vector<std::string>&)>& condition,
                            std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition(Screen())) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

bool TmuxSession::WaitFor(const std::string& text, std::chrono::milliseconds timeout)
{
    return WaitUntil(
        [&text](const std::vector<std::string>& screen) { return Joined(screen).find(text) != std::string::npos; },
        timeout);
}

bool TmuxSession::WaitUntilGone(const std::string& text, std::chrono::milliseconds timeout)
{
    return WaitUntil(
        [&text](const std::vector<std::string>& screen) { return Joined(screen).find(text) == std::string::npos; },
        timeout);
}

int TmuxSession::WaitForExit(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        // Written whole by the shell once the program has ended.
        std::ifstream file(m_statusFile);
        std::string status;
        if (std::getline(file, status) && !file.eof())
            return std::stoi(status);
        if (std::chrono::steady_clock::now() > deadline)
            return -1;
        std::this_thread::sleep_for(kPollInterval);
    }
}

std::vector<std::string> TmuxSession::Tmux(std::vector<std::string> arguments) const
{
    std::string output;
    std::vector<std::string> lines;
    if (!Run(std::move(arguments), &output))
        return lines;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);) {
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool TmuxSession::Run(std::vector<std::string> arguments, std::string* output) const
{
    arguments.insert(arguments.begin(), {"tmux", "-S", m_socket});
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // Only a command whose output is wanted writes into a pipe: the server that new-session
    // starts would hold it open for as long as it runs.
    int pipeFds[2] = {-1, -1};
    if (output && ::pipe2(pipeFds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output)
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, "/usr/bin/tmux", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    std::string collected;
    if (output) {
        ::close(pipeFds[1]);
        char buffer[4096];
        for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            collected.append(buffer, static_cast<size_t>(got));
        ::close(pipeFds[0]);
    }
    if (spawned != 0)
        return false;
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid)
        return false;
    if (output)
        *output = std::move(collected);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
