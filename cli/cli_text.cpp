// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/cli_text.h"

#include "res/string_table.h"
#include "res/translation.h"

namespace {

const char* Template(CliText text)
{
    switch (text) {
    case CliText::ProgramSummary:
        return "Shows, sets and checks the Norvane configuration in kqnet.ini, as the Norvane window does.";
    case CliText::HelpUsage:
        return "Usage:";
    case CliText::HelpCommands:
        return "Commands:";
    case CliText::HelpArguments:
        return "Arguments:";
    case CliText::HelpOptions:
        return "Options:";
    case CliText::HelpMore:
        return "Run 'norvanectl COMMAND --help' for what a command takes. See norvanectl(1).";
    case CliText::HelpOptionHelp:
        return "show this help and exit";
    case CliText::HelpOptionVersion:
        return "show the version and exit";
    case CliText::MissingCommand:
        return "no command given; see 'norvanectl --help'";
    case CliText::UnknownCommand:
        return "'%1' is not a command; see 'norvanectl --help'";
    case CliText::UnknownOption:
        return "'%1' has no option %2; see 'norvanectl %1 --help'";
    case CliText::OptionNeedsValue:
        return "option %1 needs a value";
    case CliText::OptionTakesNoValue:
        return "option %1 takes no value";
    case CliText::RepeatedOption:
        return "option %1 is given twice";
    case CliText::ConflictingOptions:
        return "options %1 and %2 cannot go together";
    case CliText::MissingArgument:
        return "'%1' needs %2; see 'norvanectl %1 --help'";
    case CliText::ExtraArgument:
        return "'%1' takes no argument '%2'; see 'norvanectl %1 --help'";

    case CliText::ShowSummary:
        return "Show every server with its queues, and the global options.";
    case CliText::ShowJsonOption:
        return "print JSON for programs, with the configuration's version";
    case CliText::ApplySummary:
        return "Make the configuration what a JSON document says (the shape 'show --json' prints).";
    case CliText::ApplyFileArgument:
        return "the document, or - for standard input";
    case CliText::ApplyCheckOption:
        return "write nothing; exit with 1 when something would change, else 0";
    case CliText::ApplyDiffOption:
        return "print the change to kqnet.ini as a unified diff";
    case CliText::ApplyJsonOption:
        return "print the outcome as JSON";
    case CliText::IfMatchOption:
        return "refuse unless the configuration is still this version (see 'show --json')";
    case CliText::CheckSummary:
        return "Report every hazard in a kqnet.ini: exit with 1 when there is one, else 0.";
    case CliText::CheckFileArgument:
        return "the file to check (default: the configured kqnet.ini)";
    case CliText::CheckJsonOption:
        return "print the hazards as JSON";
    case CliText::ServerAddSummary:
        return "Add a server; the resources named are on, the others off.";
    case CliText::ServerChangeSummary:
        return "Change a server's name or resources; what is not named stays as it is.";
    case CliText::ServerRemoveSummary:
        return "Remove a server with its queues.";
    case CliText::ServerNameArgument:
        return "the server's name (capital and small letters count as the same)";
    case CliText::NewNameOption:
        return "give the server this name";
    case CliText::DriveMountsOption:
        return "the server offers NFS drive mount points";
    case CliText::PrinterMountsOption:
        return "the server offers NFS printer mount points";
    case CliText::StreamOption:
        return "stream printing is on";
    case CliText::LprOption:
        return "LPR printing is on";
    case CliText::NoDriveMountsOption:
        return "the server offers no NFS drive mount points";
    case CliText::NoPrinterMountsOption:
        return "the server offers no NFS printer mount points";
    case CliText::NoStreamOption:
        return "stream printing is off (its queues are no longer saved)";
    case CliText::NoLprOption:
        return "LPR printing is off (its queues are no longer saved)";
    case CliText::StreamQueueAddSummary:
        return "Add a stream print queue to a server.";
    case CliText::StreamQueueRemoveSummary:
        return "Remove a server's stream print queues on a port.";
    case CliText::PortArgument:
        return "the TCP port, 1 to 65536 (default for add: 9100)";
    case CliText::TelnetOption:
        return "use telnet negotiation on the connection";
    case CliText::LprQueueAddSummary:
        return "Add an LPR print queue to a server.";
    case CliText::LprQueueRemoveSummary:
        return "Remove a server's LPR print queues of a name.";
    case CliText::QueueArgument:
        return "the queue's name on the server";
    case CliText::FilterOption:
        return "binary, dvi, text, plot, fortran, cif, or the filter letter itself (default: binary, v)";
    case CliText::UserOption:
        return "the user name for the queue (default: the default user name)";
    case CliText::PersonalNameOption:
        return "the personal name for the queue (default: none)";
    case CliText::OptionSetSummary:
        return "Set a global option: user-name NAME, warnings on|off, restore on|off, protection parent|OCTAL.";
    case CliText::SettingArgument:
        return "user-name, warnings, restore or protection";
    case CliText::ValueArgument:
        return "the option's new value";

    case CliText::StandardInput:
        return "standard input";
    case CliText::CannotWriteOutput:
        return "cannot write to standard output";
    case CliText::CannotRead:
        return "cannot read %1: %2";
    case CliText::CannotWrite:
        return "cannot write %1: %2";
    case CliText::VersionMismatch:
        return "%1 is no longer version %2: it is now version %3";
    case CliText::NotJson:
        return "%1 is not a JSON document: the fault is at byte %2";

    case CliText::MustBeObject:
        return "%1 must be an object";
    case CliText::MustBeList:
        return "%1 must be a list";
    case CliText::MustBeBoolean:
        return "%1 must be true or false";
    case CliText::MustBeText:
        return "%1 must be a text";
    case CliText::MustBeWholeNumber:
        return "%1 must be a whole number";
    case CliText::UnknownKey:
        return "%1 has no setting '%2'";
    case CliText::MissingKey:
        return "%1 lacks '%2'";
    case CliText::NotUtf8:
        return "%1 is not UTF-8 text";
    case CliText::StreamQueuesNotSaved:
        return "%1 has stream queues, but its stream printing is off: they would not be saved";
    case CliText::LprQueuesNotSaved:
        return "%1 has LPR queues, but its LPR printing is off: they would not be saved";
    case CliText::BadOnOff:
        return "'%1' is neither on nor off";
    case CliText::BadMask:
        return "'%1' is neither parent nor an octal mask from 000 to 777";
    case CliText::UnknownSetting:
        return "'%1' is no option; the options are user-name, warnings, restore and protection";

    case CliText::EmptyServerName:
        return "The server name cannot be empty.";
    case CliText::EmptyQueueName:
        return "The queue name cannot be empty.";
    case CliText::UserNameTooLong:
        return "The default user name cannot be longer than 31 bytes.";
    case CliText::NoSuchServer:
        return "there is no server %1";
    case CliText::AmbiguousServer:
        return "several servers are named %1; change them with 'norvanectl apply'";
    case CliText::NoSuchStreamQueue:
        return "%1 has no stream queue on port %2";
    case CliText::NoSuchLprQueue:
        return "%1 has no LPR queue %2";
    case CliText::StreamPrintingOff:
        return "stream printing is off for %1; turn it on with 'norvanectl server change %1 --stream'";
    case CliText::LprPrintingOff:
        return "LPR printing is off for %1; turn it on with 'norvanectl server change %1 --lpr'";

    case CliText::Written:
        return "%1: written";
    case CliText::NothingToChange:
        return "%1: nothing to change";
    case CliText::WouldChange:
        return "%1: would change";
    case CliText::NothingWouldChange:
        return "%1: nothing would change";

    case CliText::ServersTitle:
        return "Servers";
    case CliText::StreamQueuesTitle:
        return "Stream queues";
    case CliText::LprQueuesTitle:
        return "LPR queues";
    case CliText::OptionsTitle:
        return "Options";
    case CliText::NoServers:
        return "(no servers)";
    case CliText::ServerColumn:
        return "SERVER";
    case CliText::DriveMountsColumn:
        return "DRIVE MOUNTS";
    case CliText::PrinterMountsColumn:
        return "PRINTER MOUNTS";
    case CliText::StreamColumn:
        return "STREAM";
    case CliText::LprColumn:
        return "LPR";
    case CliText::DefaultQueueColumn:
        return "DEFAULT QUEUE";
    case CliText::PortColumn:
        return "PORT";
    case CliText::TelnetColumn:
        return "TELNET";
    case CliText::QueueColumn:
        return "QUEUE";
    case CliText::FilterColumn:
        return "FILTER";
    case CliText::UserNameColumn:
        return "USER NAME";
    case CliText::PersonalNameColumn:
        return "PERSONAL NAME";
    case CliText::Yes:
        return "yes";
    case CliText::No:
        return "no";
    case CliText::On:
        return "on";
    case CliText::Off:
        return "off";
    case CliText::DefaultUserNameLabel:
        return "Default user name";
    case CliText::WarningsLabel:
        return "Network warnings";
    case CliText::RestoreLabel:
        return "Restore connections";
    case CliText::ProtectionLabel:
        return "File protection";
    case CliText::VersionLabel:
        return "Version";
    case CliText::NoUserName:
        return "(none)";
    case CliText::ParentMask:
        return "parent directory's mask (specified mask %1)";
    case CliText::SpecifiedMask:
        return "%1";

    case CliText::NoHazards:
        return "%1: no hazards found";
    case CliText::HazardServerFields:
        return "the server line does not split into five fields (a name and four flags)";
    case CliText::HazardEmptyName:
        return "the server has no name";
    case CliText::HazardSameName:
        return "the server of line %1 has the same name: they share their queue keys";
    case CliText::HazardSameNameCase:
        return "%1 (line %2) differs only in capital and small letters: they share their queue keys";
    case CliText::HazardKeyTooLong:
        return "the key is %1 bytes long; a key of more than 259 is never read";
    case CliText::HazardValueTooLong:
        return "the value is %1 bytes long; only the first 259 are read";
    case CliText::HazardSummaryTooLong:
        return "the list of servers with %1 needs %2 bytes, more than 1,023: the network component will not see %3";
    case CliText::HazardStoredSummaryTooLong:
        return "the list is %1 bytes long; the network component reads 1,023 and does not see %2";
    case CliText::HazardMissingKeys:
        return "the count is %1, but these keys are missing: %2";
    case CliText::KeyRange:
        return "%1 to %2";
    case CliText::HazardStreamFields:
        return "the stream queue line does not split into two fields (a port and a telnet flag): it reads as port "
               "9100 without telnet negotiation";
    case CliText::HazardStreamPort:
        return "port %1 is not from 1 to 65536: it reads as 9100";
    case CliText::HazardLprFields:
        return "the LPR queue line does not split into four fields: it reads as four blanks";
    case CliText::HazardFilterLetter:
        return "the filter '%1' is no print-file type letter of RFC 1179 (c, d, f, g, l, n, o, p, r, t, v)";
    case CliText::HazardUserNameTooLong:
        return "the default user name has %1 bytes; the dialogs show at most 31";
    case CliText::DriveMountsList:
        return "drive mounts";
    case CliText::PrintServersList:
        break;
    }
    return "printing";
}

} // namespace

namespace {

std::string Substitute(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string result;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1'
                              && static_cast<size_t>(pattern[i + 1] - '1') < arguments.size();
        if (placeholder) {
            result += arguments.begin()[pattern[i + 1] - '1'];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

} // namespace

std::string Text(CliText text, std::initializer_list<std::string_view> arguments)
{
    return Substitute(Translate(Template(text)), arguments);
}

std::string Heading(CliText text)
{
    std::string heading(1, '\n');
    heading += Text(text);
    heading += '\n';
    return heading;
}

std::string TableText(uint32_t id, std::initializer_list<std::string_view> arguments)
{
    const char* found = FindString(id);
    // Message boxes break lines; a message on standard error is one line.
    std::string line;
    for (const char c : Substitute(found ? found : "", arguments)) {
        const bool lineBreak = c == '\r' || c == '\n';
        if (!lineBreak)
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    return line;
}
