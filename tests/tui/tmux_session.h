// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A program in a pseudo-terminal of its own, through a private tmux server: keys go in with
// send-keys, the screen comes out with capture-pane, and every wait is bounded.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// How the terminal shows a cell: its colours (-1 the terminal's default) and attributes.
struct CellLook {
    int foreground = -1;
    int background = -1;
    bool bold = false;
    bool dim = false;
    bool underline = false;
    bool reverse = false;
    friend bool operator==(const CellLook&, const CellLook&) = default;
};

class TmuxSession {
public:
    // Starts `command` (a program and its arguments, run directly) in a detached session of
    // `columns` x `rows` on a tmux server whose socket lies in `directory`. TERM is xterm inside.
    TmuxSession(const std::string& directory, const std::vector<std::string>& command, int columns, int rows);
    // Ends the server and everything running in it.
    ~TmuxSession();
    TmuxSession(const TmuxSession&) = delete;
    TmuxSession& operator=(const TmuxSession&) = delete;

    // True when tmux can be run here at all.
    static bool Available();
    bool started() const { return m_started; }

    // Keys by tmux's names ("Enter", "Tab", "BTab", "Escape", "F1", "S-F1", "M-s", "Space").
    void Keys(const std::vector<std::string>& keys);
    // Characters as they are.
    void Text(const std::string& text);
    // Bytes as a terminal sends them, escape sequences included, in one write.
    void Bytes(const std::string& bytes);
    void Resize(int columns, int rows);

    // The screen, one string a row (UTF-8), without trailing blanks.
    std::vector<std::string> Screen();
    std::string ScreenText();
    // The look of the first character of `text` where the screen first shows it; null when it
    // shows no `text`.
    std::optional<CellLook> LookOf(const std::string& text);
    // What scrolled off the top and the screen, a line wrapped at the edge joined again.
    std::string WholeText();
    // Waits until the screen meets `condition`; false on timeout.
    bool WaitUntil(const std::function<bool(const std::vector<std::string>&)>& condition,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Waits until the screen shows `text` (or stops showing it); false on timeout.
    bool WaitFor(const std::string& text, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    bool WaitUntilGone(const std::string& text, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // A value of tmux's formats for the pane ("#{alternate_on}").
    std::string PaneValue(const std::string& format);
    // The process id of the program, or 0 once it has ended.
    int ProgramId();
    // Waits for the program to end; its exit status, or -1 on timeout.
    int WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10));

private:
    std::vector<std::string> Tmux(std::vector<std::string> arguments) const;
    bool Run(std::vector<std::string> arguments, std::string* output) const;

    std::string m_socket;
    std::string m_statusFile;
    bool m_started = false;
};
