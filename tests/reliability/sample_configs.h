// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Large server configurations for the reliability tests, and the checks they share.
#include "config/server_records.h"
#include "tests/support/fault_cases.h"
#include "tests/support/server_records_builders.h"

#include <cstdint>
#include <string>

// One of two configurations of `servers` servers that differ in every value but write the same set
// of keys: the same names, printing methods and queue counts; other flags, ports, telnet settings,
// LPR texts, default queues and the order of the list differ. So once both were saved, the file holds
// exactly one of two byte images.
ServerList BuildSampleConfig(int variant, int servers);

// "" when the two lists hold the same entries in the same order; otherwise the first difference.
std::string DescribeDifference(const ServerEntry* expected, const ServerEntry* actual);

// The entries a load of kqnet.ini gives now; empty when the load failed.
ServerList LoadNow();

// A count from the environment (how long a run is), or `fallback` when it is not set.
int EnvCount(const char* name, int fallback);

// Prints "[figure] name=value" for the runner script to collect.
void ReportFigure(const char* name, int64_t value);

// The processor time of this thread in milliseconds, which other programs on a busy machine do not
// add to: growth checks compare it, never the wall clock.
double ThreadMs();
