// SPDX-License-Identifier: GPL-2.0-or-later
// What a user does in the Servers and Printers window on the terminal host, each action a key on a
// scripted terminal, timed from the key to the host's next read, when the screen has been drawn
// again; what leads up to the key (opening a dialog, typing a name) is not counted. The floor is
// the host's own redraw: a key it has no use for.
#include <benchmark/benchmark.h>
#include <functional>
#include <string>

#include "bench/bench_profile.h"
#include "bench/terminal/scripted_terminal.h"
#include "res/resource_ids.h"
#include "ui/base/user_input.h"
#include "ui/server_list_dialog.h"
#include "ui/tui/tui_host.h"

using tui::Key;
using tui::KeyCode;

namespace {

HWND ServerRows(ServerListDialog& dialog)
{
    return dialog.GetDlgItem(IDC_MAIN_SERVER_LIST);
}

// Selects the middle row of the list, as the arrow keys would after many presses.
void SelectMiddleRow(ServerListDialog& dialog)
{
    UserSelectRow(ServerRows(dialog), static_cast<int>(ServerRows(dialog)->rows().size() / 2));
}

// The terminal host on a scripted terminal, with every name resolving.
struct TerminalHost {
    KnownNames names;
    ScriptedTerminal terminal;
    tui::TuiHost host{terminal};
    HostScope scope{host};
};

// The main window on kqnet.ini of the benchmark's size; `queue` puts one action's keys on the
// terminal (the timed one among them) each iteration.
void InMainWindow(benchmark::State& state, const std::function<void(ScriptedTerminal&, ServerListDialog&)>& queue)
{
    if (!WriteServersOrSkip(state))
        return;
    TerminalHost session;
    ScriptedTerminal& terminal = session.terminal;
    ServerListDialog dialog;
    bool started = false;
    terminal.SetNextAction([&] {
        if (started)
            state.SetIterationTime(terminal.lastSeconds());
        started = true;
        if (!state.KeepRunning())
            return false;
        queue(terminal, dialog);
        return true;
    });
    (void)dialog.DoModal();
}

void BM_TuiRedraw(benchmark::State& state)
{
    InMainWindow(state, [](ScriptedTerminal& terminal, ServerListDialog&) { terminal.PressTimed(Key::Of(KeyCode::None)); });
}

// Each added server is deleted again and each deleted one added again, neither timed, so that the
// list keeps its length.
void QueueAdd(ScriptedTerminal& terminal, const char* name, bool timed)
{
    terminal.Alt(U'a');
    terminal.Type(name);
    if (timed)
        terminal.PressTimed(Key::Of(KeyCode::Enter));
    else
        terminal.Press(Key::Of(KeyCode::Enter));
}

void BM_TuiAddThenOk(benchmark::State& state)
{
    bool added = false;
    InMainWindow(state, [&](ScriptedTerminal& terminal, ServerListDialog& dialog) {
        if (added) {
            // The server added last time goes again before this action's keys.
            const auto& rows = ServerRows(dialog)->rows();
            for (size_t row = 0; row < rows.size(); ++row) {
                if (rows[row].text == "added-server")
                    UserSelectRow(ServerRows(dialog), static_cast<int>(row));
            }
            terminal.Alt(U'd');
            terminal.Press(Key::Char(U'y'));
        }
        added = true;
        QueueAdd(terminal, "added-server", true);
    });
}

void BM_TuiModifyThenOk(benchmark::State& state)
{
    InMainWindow(state, [](ScriptedTerminal& terminal, ServerListDialog& dialog) {
        SelectMiddleRow(dialog);
        terminal.Alt(U'm');
        terminal.Alt(U'd');
        terminal.PressTimed(Key::Of(KeyCode::Enter));
    });
}

void BM_TuiModifyThenCancel(benchmark::State& state)
{
    InMainWindow(state, [](ScriptedTerminal& terminal, ServerListDialog& dialog) {
        SelectMiddleRow(dialog);
        terminal.Alt(U'm');
        terminal.PressTimed(Key::Of(KeyCode::Escape));
    });
}

void BM_TuiDeleteYes(benchmark::State& state)
{
    InMainWindow(state, [](ScriptedTerminal& terminal, ServerListDialog& dialog) {
        SelectMiddleRow(dialog);
        const std::string name = ServerRows(dialog)->rows()[ServerRows(dialog)->rows().size() / 2].text;
        terminal.Alt(U'd');
        terminal.PressTimed(Key::Char(U'y'));
        QueueAdd(terminal, name.c_str(), false);
    });
}

void BM_TuiDeleteNo(benchmark::State& state)
{
    InMainWindow(state, [](ScriptedTerminal& terminal, ServerListDialog& dialog) {
        SelectMiddleRow(dialog);
        terminal.Alt(U'd');
        terminal.PressTimed(Key::Char(U'n'));
    });
}

void BM_TuiSelectRow(benchmark::State& state)
{
    bool down = false;
    InMainWindow(state, [&](ScriptedTerminal& terminal, ServerListDialog& dialog) {
        if (!down)
            SelectMiddleRow(dialog);
        (void)ServerRows(dialog)->SetFocus();
        down = !down;
        terminal.PressTimed(Key::Of(down ? KeyCode::Down : KeyCode::Up));
    });
}

void BM_TuiOpenServerDialog(benchmark::State& state)
{
    InMainWindow(state, [](ScriptedTerminal& terminal, ServerListDialog& dialog) {
        SelectMiddleRow(dialog);
        terminal.PressTimed(Key{KeyCode::Char, U'm', true});
        terminal.Press(Key::Of(KeyCode::Escape));
    });
}

// OK in the main window: the whole list saved and the window closed. Each iteration opens the
// window afresh and changes one server first.
void BM_TuiMainOk(benchmark::State& state)
{
    if (!WriteServersOrSkip(state))
        return;
    TerminalHost session;
    ScriptedTerminal& terminal = session.terminal;
    for (auto _ : state) {
        ServerListDialog dialog;
        bool queued = false;
        terminal.SetNextAction([&] {
            if (queued)
                return false;
            queued = true;
            SelectMiddleRow(dialog);
            terminal.Alt(U'm');
            terminal.Alt(U'd');
            terminal.Press(Key::Of(KeyCode::Enter));
            // Back in the main window, Enter presses OK once it has the focus.
            terminal.Then([&] { (void)dialog.GetDlgItem(IDOK)->SetFocus(); });
            terminal.PressTimed(Key::Of(KeyCode::Enter));
            return true;
        });
        (void)dialog.DoModal();
        state.SetIterationTime(std::chrono::duration<double>(ScriptedTerminal::Clock::now() - terminal.timedAt()).count());
    }
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseManualTime();
}

} // namespace

BENCHMARK(BM_TuiRedraw)->Apply(Sizes);
BENCHMARK(BM_TuiAddThenOk)->Apply(Sizes);
BENCHMARK(BM_TuiModifyThenOk)->Apply(Sizes);
BENCHMARK(BM_TuiModifyThenCancel)->Apply(Sizes);
BENCHMARK(BM_TuiDeleteYes)->Apply(Sizes);
BENCHMARK(BM_TuiDeleteNo)->Apply(Sizes);
BENCHMARK(BM_TuiSelectRow)->Apply(Sizes);
BENCHMARK(BM_TuiOpenServerDialog)->Apply(Sizes);
BENCHMARK(BM_TuiMainOk)->Apply(Sizes);

BENCHMARK_MAIN();
