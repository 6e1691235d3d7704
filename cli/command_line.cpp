// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/command_line.h"

#include <algorithm>

namespace {

constexpr std::string_view kHelp = "--help";
constexpr std::string_view kShortHelp = "-h";
constexpr std::string_view kVersion = "--version";
constexpr std::string_view kProgram = "norvanectl";

const OptionSpec kIfMatch{"--if-match", CliText::IfMatchOption, "VERSION"};

std::vector<CommandSpec> BuildCommands()
{
    const ArgumentSpec server{"NAME", CliText::ServerNameArgument, true};
    const ArgumentSpec owner{"SERVER", CliText::ServerNameArgument, true};
    const OptionSpec drive{"--drive-mounts", CliText::DriveMountsOption, {}};
    const OptionSpec printer{"--printer-mounts", CliText::PrinterMountsOption, {}};
    const OptionSpec stream{"--stream", CliText::StreamOption, {}};
    const OptionSpec lpr{"--lpr", CliText::LprOption, {}};
    return {
        {CommandId::Show, "show", CliText::ShowSummary, {}, {{"--json", CliText::ShowJsonOption, {}}}, {}},
        {CommandId::Apply,
         "apply",
         CliText::ApplySummary,
         {{"FILE", CliText::ApplyFileArgument, true}},
         {{"--check", CliText::ApplyCheckOption, {}},
          {"--diff", CliText::ApplyDiffOption, {}},
          {"--json", CliText::ApplyJsonOption, {}},
          kIfMatch},
         {}},
        {CommandId::Check,
         "check",
         CliText::CheckSummary,
         {{"FILE", CliText::CheckFileArgument, false}},
         {{"--json", CliText::CheckJsonOption, {}}},
         {}},
        {CommandId::ServerAdd, "server add", CliText::ServerAddSummary, {server}, {drive, printer, stream, lpr, kIfMatch}, {}},
        {CommandId::ServerChange,
         "server change",
         CliText::ServerChangeSummary,
         {server},
         {{"--name", CliText::NewNameOption, "NEW-NAME"},
          drive,
          {"--no-drive-mounts", CliText::NoDriveMountsOption, {}},
          printer,
          {"--no-printer-mounts", CliText::NoPrinterMountsOption, {}},
          stream,
          {"--no-stream", CliText::NoStreamOption, {}},
          lpr,
          {"--no-lpr", CliText::NoLprOption, {}},
          kIfMatch},
         {{"--drive-mounts", "--no-drive-mounts"},
          {"--printer-mounts", "--no-printer-mounts"},
          {"--stream", "--no-stream"},
          {"--lpr", "--no-lpr"}}},
        {CommandId::ServerRemove, "server remove", CliText::ServerRemoveSummary, {server}, {kIfMatch}, {}},
        {CommandId::StreamQueueAdd,
         "stream-queue add",
         CliText::StreamQueueAddSummary,
         {owner, {"PORT", CliText::PortArgument, false}},
         {{"--telnet", CliText::TelnetOption, {}}, kIfMatch},
         {}},
        {CommandId::StreamQueueRemove,
         "stream-queue remove",
         CliText::StreamQueueRemoveSummary,
         {owner, {"PORT", CliText::PortArgument, true}},
         {kIfMatch},
         {}},
        {CommandId::LprQueueAdd,
         "lpr-queue add",
         CliText::LprQueueAddSummary,
         {owner, {"QUEUE", CliText::QueueArgument, true}},
         {{"--filter", CliText::FilterOption, "TYPE"},
          {"--user", CliText::UserOption, "USER"},
          {"--personal-name", CliText::PersonalNameOption, "TEXT"},
          kIfMatch},
         {}},
        {CommandId::LprQueueRemove,
         "lpr-queue remove",
         CliText::LprQueueRemoveSummary,
         {owner, {"QUEUE", CliText::QueueArgument, true}},
         {kIfMatch},
         {}},
        {CommandId::OptionSet,
         "option set",
         CliText::OptionSetSummary,
         {{"OPTION", CliText::SettingArgument, true}, {"VALUE", CliText::ValueArgument, true}},
         {kIfMatch},
         {}},
    };
}

// The group of a two-word command ("server" of "server add"); empty for a one-word command.
std::string_view GroupOf(const CommandSpec& command)
{
    const size_t blank = command.words.find(' ');
    return blank == std::string_view::npos ? std::string_view() : command.words.substr(0, blank);
}

bool IsGroup(std::string_view word)
{
    return std::ranges::any_of(Commands(), [word](const CommandSpec& command) { return GroupOf(command) == word; });
}

const CommandSpec* FindCommand(std::string_view words)
{
    for (const CommandSpec& command : Commands()) {
        if (command.words == words)
            return &command;
    }
    return nullptr;
}

// "add | change | remove": the second words of a group's commands, for its usage error.
std::string SubcommandsOf(std::string_view group)
{
    std::vector<std::string_view> words;
    for (const CommandSpec& command : Commands()) {
        if (GroupOf(command) == group)
            words.push_back(command.words.substr(group.size() + 1));
    }
    std::string list;
    for (const std::string_view word : words)
        list += (list.empty() ? "" : " | ") + std::string(word);
    return list;
}

const OptionSpec* FindOption(const CommandSpec& command, std::string_view name)
{
    for (const OptionSpec& option : command.options) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

Failure Usage(CliText text, std::initializer_list<std::string_view> arguments)
{
    return {ExitStatus::Usage, Text(text, arguments)};
}

std::optional<Failure> ParseOptionsAndArguments(const std::vector<std::string>& words, size_t first,
                                                Invocation& invocation)
{
    const CommandSpec& command = *invocation.command;
    bool optionsEnded = false;
    for (size_t i = first; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || !word.starts_with("--")) {
            if (!optionsEnded && word.starts_with('-') && word != "-")
                return Usage(CliText::UnknownOption, {command.words, word});
            if (invocation.arguments.size() == command.arguments.size())
                return Usage(CliText::ExtraArgument, {command.words, word});
            invocation.arguments.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const OptionSpec* option = FindOption(command, name);
        if (!option)
            return Usage(CliText::UnknownOption, {command.words, name});
        if (invocation.Has(name))
            return Usage(CliText::RepeatedOption, {name});
        std::string value;
        if (option->valueName.empty()) {
            if (equals != std::string::npos)
                return Usage(CliText::OptionTakesNoValue, {name});
        } else if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            return Usage(CliText::OptionNeedsValue, {name});
        }
        invocation.options.emplace(name, std::move(value));
    }
    for (size_t i = invocation.arguments.size(); i < command.arguments.size(); ++i) {
        if (command.arguments[i].required)
            return Usage(CliText::MissingArgument, {command.words, command.arguments[i].name});
    }
    for (const auto& [one, other] : command.exclusive) {
        if (invocation.Has(one) && invocation.Has(other))
            return Usage(CliText::ConflictingOptions, {one, other});
    }
    return std::nullopt;
}

// " NAME [PORT]": the command's arguments as its usage shows them.
std::string ArgumentsOf(const CommandSpec& command)
{
    std::string text;
    for (const ArgumentSpec& argument : command.arguments) {
        text += argument.required ? " " : " [";
        text += argument.name;
        if (!argument.required)
            text += ']';
    }
    return text;
}

std::string UsageLine(const CommandSpec& command)
{
    std::string line(kProgram);
    line += ' ';
    line += command.words;
    line += ArgumentsOf(command);
    for (const OptionSpec& option : command.options) {
        line += " [";
        line += option.name;
        if (!option.valueName.empty()) {
            line += ' ';
            line += option.valueName;
        }
        line += ']';
    }
    return line;
}

// Two columns: the names padded to the widest, then their descriptions.
std::string Columns(const std::vector<std::pair<std::string, std::string>>& rows)
{
    size_t width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    std::string text;
    for (const auto& [name, description] : rows)
        text += "  " + name + std::string(width - name.size() + 2, ' ') + description + "\n";
    return text;
}

std::string CommandList(std::string_view group)
{
    std::vector<std::pair<std::string, std::string>> rows;
    for (const CommandSpec& command : Commands()) {
        if (!group.empty() && GroupOf(command) != group)
            continue;
        std::string words(command.words);
        words += ArgumentsOf(command);
        rows.emplace_back(std::move(words), Text(command.summary));
    }
    return Columns(rows);
}

} // namespace

const std::vector<CommandSpec>& Commands()
{
    static const std::vector<CommandSpec> commands = BuildCommands();
    return commands;
}

std::optional<std::string> Invocation::Value(std::string_view option) const
{
    const auto found = options.find(option);
    if (found == options.end())
        return std::nullopt;
    return found->second;
}

std::optional<Failure> ParseCommandLine(const std::vector<std::string>& words, Invocation& invocation)
{
    invocation = {};
    if (words.empty())
        return Usage(CliText::MissingCommand, {});
    if (words[0] == kHelp || words[0] == kShortHelp) {
        invocation.help = true;
        return std::nullopt;
    }
    if (words[0] == kVersion) {
        invocation.version = true;
        return std::nullopt;
    }
    size_t first = 1;
    if (IsGroup(words[0])) {
        if (words.size() < 2 || words[1].starts_with('-')) {
            const bool help = words.size() >= 2 && (words[1] == kHelp || words[1] == kShortHelp);
            if (help) {
                invocation.help = true;
                invocation.group = words[0];
                return std::nullopt;
            }
            return Usage(CliText::MissingArgument, {words[0], SubcommandsOf(words[0])});
        }
        invocation.command = FindCommand(words[0] + " " + words[1]);
        if (!invocation.command)
            return Usage(CliText::UnknownCommand, {words[0] + " " + words[1]});
        first = 2;
    } else {
        invocation.command = FindCommand(words[0]);
        if (!invocation.command)
            return Usage(CliText::UnknownCommand, {words[0]});
    }
    // Help wins over whatever else is wrong with the line, as it does for git.
    for (size_t i = first; i < words.size() && words[i] != "--"; ++i) {
        if (words[i] == kHelp || words[i] == kShortHelp) {
            invocation.help = true;
            return std::nullopt;
        }
    }
    return ParseOptionsAndArguments(words, first, invocation);
}

std::string HelpText(const CommandSpec* command, std::string_view group)
{
    const std::string usage = Text(CliText::HelpUsage);
    if (!command) {
        std::string text = usage + " " + std::string(kProgram) + " COMMAND [ARGUMENTS] [OPTIONS]\n";
        text += std::string(usage.size(), ' ') + " " + std::string(kProgram) + " --help | --version\n\n";
        text += Text(CliText::ProgramSummary) + "\n\n" + Text(CliText::HelpCommands) + "\n" + CommandList(group);
        if (group.empty()) {
            text += Heading(CliText::HelpOptions);
            text += Columns({{"-h, --help", Text(CliText::HelpOptionHelp)},
                             {"--version", Text(CliText::HelpOptionVersion)}});
        }
        return text + Heading(CliText::HelpMore);
    }
    std::string text = usage + " " + UsageLine(*command) + "\n\n" + Text(command->summary) + "\n";
    if (!command->arguments.empty()) {
        std::vector<std::pair<std::string, std::string>> rows;
        for (const ArgumentSpec& argument : command->arguments)
            rows.emplace_back(argument.name, Text(argument.help));
        text += Heading(CliText::HelpArguments) + Columns(rows);
    }
    std::vector<std::pair<std::string, std::string>> rows;
    for (const OptionSpec& option : command->options) {
        std::string name(option.name);
        if (!option.valueName.empty()) {
            name += ' ';
            name += option.valueName;
        }
        rows.emplace_back(std::move(name), Text(option.help));
    }
    rows.emplace_back("-h, --help", Text(CliText::HelpOptionHelp));
    return text + Heading(CliText::HelpOptions) + Columns(rows);
}
