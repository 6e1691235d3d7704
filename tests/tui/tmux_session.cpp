// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/tui/tmux_session.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
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

// Applies the parameters of one SGR sequence ("1;34", "0", "") to `look`.
void ApplySgr(const std::string& parameters, CellLook& look)
{
    std::vector<int> codes;
    std::istringstream stream(parameters);
    for (std::string code; std::getline(stream, code, ';');)
        codes.push_back(code.empty() ? 0 : std::stoi(code));
    if (codes.empty())
        codes.push_back(0);
    for (size_t i = 0; i < codes.size(); ++i) {
        const int code = codes[i];
        if (code == 0)
            look = CellLook{};
        else if (code == 1)
            look.bold = true;
        else if (code == 2)
            look.dim = true;
        else if (code == 22)
            look.bold = look.dim = false;
        else if (code == 4)
            look.underline = true;
        else if (code == 24)
            look.underline = false;
        else if (code == 7)
            look.reverse = true;
        else if (code == 27)
            look.reverse = false;
        else if (code >= 30 && code <= 37)
            look.foreground = code - 30;
        else if (code >= 40 && code <= 47)
            look.background = code - 40;
        else if (code >= 90 && code <= 97)
            look.foreground = code - 90 + 8;
        else if (code >= 100 && code <= 107)
            look.background = code - 100 + 8;
        else if (code == 39)
            look.foreground = -1;
        else if (code == 49)
            look.background = -1;
        else if ((code == 38 || code == 48) && i + 2 < codes.size() && codes[i + 1] == 5) {
            (code == 38 ? look.foreground : look.background) = codes[i + 2];
            i += 2;
        }
    }
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

void TmuxSession::Bytes(const std::string& bytes)
{
    std::vector<std::string> arguments{"send-keys", "-t", kSession, "-H"};
    for (const char byte : bytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(byte));
        arguments.emplace_back(hex);
    }
    (void)Run(arguments, nullptr);
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

std::optional<CellLook> TmuxSession::LookOf(const std::string& text)
{
    // Each row as its characters (UTF-8) and, for each byte, the look it was drawn with.
    CellLook look;
    for (const std::string& line : Tmux({"capture-pane", "-p", "-e", "-t", kSession})) {
        std::string shown;
        std::vector<CellLook> looks;
        for (size_t i = 0; i < line.size();) {
            if (line[i] == '\033' && i + 1 < line.size() && line[i + 1] == '[') {
                const size_t end = line.find_first_not_of("0123456789;", i + 2);
                if (end == std::string::npos)
                    break;
                if (line[end] == 'm')
                    ApplySgr(line.substr(i + 2, end - i - 2), look);
                i = end + 1;
                continue;
            }
            shown.push_back(line[i]);
            looks.push_back(look);
            ++i;
        }
        if (const size_t at = shown.find(text); at != std::string::npos)
            return looks[at];
    }
    return std::nullopt;
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

std::string TmuxSession::PaneValue(const std::string& format)
{
    const std::vector<std::string> lines = Tmux({"display-message", "-p", "-t", kSession, format});
    return lines.empty() ? "" : lines.front();
}

int TmuxSession::ProgramId()
{
    // The pane runs the shell that waits for the program: its one child.
    const std::string shell = PaneValue("#{pane_pid}");
    std::ifstream children("/proc/" + shell + "/task/" + shell + "/children");
    int id = 0;
    return children >> id ? id : 0;
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
