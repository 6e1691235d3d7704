// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/show_table.h"

#include "cli/cli_text.h"
#include "cli/file_text.h"
#include "cli/option_writes.h"
#include "config/text_field.h"

#include <algorithm>
#include <vector>

namespace {

using Row = std::vector<std::string>;

// Columns two blanks apart, each as wide as its widest cell; no blanks at the ends of lines.
std::string Table(const Row& header, const std::vector<Row>& rows)
{
    std::vector<size_t> widths(header.size());
    for (size_t column = 0; column < header.size(); ++column) {
        widths[column] = Utf8Width(header[column]);
        for (const Row& row : rows)
            widths[column] = std::max(widths[column], Utf8Width(row[column]));
    }
    std::string text;
    const auto line = [&](const Row& row) {
        std::string out;
        for (size_t column = 0; column < row.size(); ++column) {
            out += row[column];
            if (column + 1 < row.size())
                out += std::string(widths[column] - Utf8Width(row[column]) + 2, ' ');
        }
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        text += out + "\n";
    };
    line(header);
    for (const Row& row : rows)
        line(row);
    return text;
}

std::string YesNo(int32_t flag)
{
    return Text(flag ? CliText::Yes : CliText::No);
}

std::string Cell(const char (&field)[kTextFieldSize])
{
    return PrintableText(FieldText(field));
}

} // namespace

std::string ConfigurationTable(const Configuration& configuration, const std::string& version)
{
    std::vector<Row> servers;
    std::vector<Row> streams;
    std::vector<Row> lprs;
    for (const ServerEntry* entry = configuration.servers.get(); entry; entry = entry->next) {
        servers.push_back({Cell(entry->name), YesNo(entry->nfsDriveMounts), YesNo(entry->nfsPrinterMounts),
                           YesNo(entry->streamPrinting), YesNo(entry->lprPrinting), YesNo(entry->defaultStreamQueue)});
        for (const StreamQueue* queue = entry->streamQueues; queue; queue = queue->next)
            streams.push_back({Cell(entry->name), std::to_string(queue->port), YesNo(queue->telnetNegotiation)});
        for (const LprQueue* queue = entry->lprQueues; queue; queue = queue->next)
            lprs.push_back({Cell(entry->name), Cell(queue->queueName), Cell(queue->filter), Cell(queue->userName),
                            Cell(queue->personalName)});
    }

    std::string text = Text(CliText::ServersTitle) + "\n";
    if (servers.empty())
        text += Text(CliText::NoServers) + "\n";
    else
        text += Table({Text(CliText::ServerColumn), Text(CliText::DriveMountsColumn), Text(CliText::PrinterMountsColumn),
                       Text(CliText::StreamColumn), Text(CliText::LprColumn), Text(CliText::DefaultQueueColumn)},
                      servers);
    if (!streams.empty())
        text += Heading(CliText::StreamQueuesTitle)
              + Table({Text(CliText::ServerColumn), Text(CliText::PortColumn), Text(CliText::TelnetColumn)}, streams);
    if (!lprs.empty())
        text += Heading(CliText::LprQueuesTitle)
              + Table({Text(CliText::ServerColumn), Text(CliText::QueueColumn), Text(CliText::FilterColumn),
                       Text(CliText::UserNameColumn), Text(CliText::PersonalNameColumn)},
                      lprs);

    const std::string userName = configuration.Stored(GlobalOption::UserName).value_or("");
    const std::string mask = OctalMask(configuration.protection);
    const bool parent = (configuration.protection & kFileProtUseParent) != 0;
    std::vector<Row> options = {
        {Text(CliText::DefaultUserNameLabel), userName.empty() ? Text(CliText::NoUserName) : PrintableText(userName)},
        {Text(CliText::WarningsLabel), Text(configuration.warnings ? CliText::On : CliText::Off)},
        {Text(CliText::RestoreLabel), Text(configuration.restore ? CliText::On : CliText::Off)},
        {Text(CliText::ProtectionLabel), Text(parent ? CliText::ParentMask : CliText::SpecifiedMask, {mask})},
        {Text(CliText::VersionLabel), version},
    };
    // The options are a table without a header.
    const std::string table = Table({"", ""}, options);
    return text + Heading(CliText::OptionsTitle) + table.substr(table.find('\n') + 1);
}
