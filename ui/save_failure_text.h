// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How the dialogs tell the user why a file was refused: the file, and the reason in words.
#include "config/save_failure.h"

#include <string>

// The file and its reason: "/home/ann/.config/norvane/.kqnet.ini.lock: not a regular file".
std::string DescribeFileFailure(const FileFailure& failure);

// Why a save was refused (the file it names is SaveFailureFile's).
std::string SaveFailureReason(const SaveFailure& failure);
// Both in one: "<file>: <reason>", or the reason alone when there is no file to name.
std::string DescribeSaveFailure(const SaveFailure& failure);
