// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A seam on the write path of profile files: each system call that a replacement makes can be made
// to fail with a chosen errno, so tests can prove that any failure leaves the old file as it was.
#include <functional>

// Link keeps the old version under a second name until the new one is safely in place.
enum class FileStep { OpenLock, Lock, CreateTemp, Write, Sync, Chmod, Link, Rename, SyncDirectory };

// Returns the errno to inject at `step`, or 0 to let the call run. An empty function injects nothing.
void SetFileFaultForTesting(std::function<int(FileStep)> fault);

// 0 when the step may run; otherwise the injected errno (also stored in errno).
int InjectedFileFault(FileStep step);
