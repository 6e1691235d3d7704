// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The commands norvanectl takes, their arguments and options, as one table from which the command
// line is parsed and every --help is written.
//
//     norvanectl [--help | --version]
//     norvanectl COMMAND [SUBCOMMAND] ARGUMENT... [--OPTION[=VALUE] | --OPTION VALUE]...
//
// Options may come before, between or after the arguments; "--" ends them, and "-" is an argument.
#include "cli/cli_text.h"
#include "cli/exit_status.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class CommandId {
    Show,
    Apply,
    Check,
    ServerAdd,
    ServerChange,
    ServerRemove,
    StreamQueueAdd,
    StreamQueueRemove,
    LprQueueAdd,
    LprQueueRemove,
    OptionSet,
};

struct ArgumentSpec {
    std::string_view name;   // as --help shows it: "NAME"
    CliText help;
    bool required;
};

struct OptionSpec {
    std::string_view name;        // "--json"
    CliText help;
    std::string_view valueName;   // empty for a flag
};

struct CommandSpec {
    CommandId id;
    std::string_view words;   // "server add"
    CliText summary;
    std::vector<ArgumentSpec> arguments;
    std::vector<OptionSpec> options;
    // Options that cannot be given together.
    std::vector<std::pair<std::string_view, std::string_view>> exclusive;
};

// Every command, in the order --help lists them.
[[nodiscard]] const std::vector<CommandSpec>& Commands();

struct Invocation {
    const CommandSpec* command = nullptr;   // null: the program itself (--help, --version)
    std::string group;                      // "server" for "norvanectl server --help"
    bool help = false;
    bool version = false;
    std::vector<std::string> arguments;
    std::map<std::string, std::string, std::less<>> options;   // by name; "" for a flag

    [[nodiscard]] bool Has(std::string_view option) const { return options.contains(option); }
    [[nodiscard]] std::optional<std::string> Value(std::string_view option) const;
};

// A usage error gives a Failure with ExitStatus::Usage. --help anywhere asks for the help of the
// command (or command group) named before it.
[[nodiscard]] std::optional<Failure> ParseCommandLine(const std::vector<std::string>& words, Invocation& invocation);

// What --help prints: for the program when `command` is null, for the commands of a group (such as
// "server") when `group` is given, else for the command.
[[nodiscard]] std::string HelpText(const CommandSpec* command, std::string_view group = {});
