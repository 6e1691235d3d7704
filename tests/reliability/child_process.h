// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Child processes for the multi-process tests: started with fork, waited for with a deadline, so
// that a writer stuck on a lock fails the test instead of hanging it.
#include <chrono>
#include <functional>
#include <sys/types.h>

// Runs `body` in a child process, which exits with what it returns.
pid_t StartChild(const std::function<int()>& body);

// Waits for the child until `deadline`. The exit status (0 to 255), -1 when the child was killed
// by a signal, or -2 when the deadline passed (the child is then killed).
int WaitChild(pid_t child, std::chrono::steady_clock::time_point deadline);
