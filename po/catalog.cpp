// SPDX-License-Identifier: GPL-2.0-or-later
#include "po/catalog.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "cli/cli_text.h"
#include "res/dialog_template.h"
#include "res/help_topics.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "res/window_styles.h"

namespace {

class Collector {
public:
    void Add(std::string_view text, std::string place)
    {
        if (text.empty())
            return;
        const auto [at, added] = m_index.try_emplace(std::string(text), m_entries.size());
        if (added)
            m_entries.push_back({std::string(text), {}});
        m_entries[at->second].places.push_back(std::move(place));
    }

    std::vector<CatalogEntry> Take() { return std::move(m_entries); }

private:
    std::vector<CatalogEntry> m_entries;
    std::map<std::string, size_t> m_index;
};

void AddTemplate(Collector& collector, const DialogTemplate& dialog)
{
    const std::string name = "dialog " + std::to_string(dialog.id);
    collector.Add(dialog.caption, name + ", caption");
    for (const ControlTemplate& control : dialog.controls) {
        // A static icon's text names its resource.
        if ((control.style & SS_TYPEMASK) == SS_ICON && std::string_view(control.className) == "Static")
            continue;
        const std::string place = name + ", control " + std::to_string(control.id);
        collector.Add(control.text, place);
        for (const char* item : control.items)
            collector.Add(item, place + ", item");
    }
}

std::string HelpPlace(const HelpTopic& topic)
{
    if (topic.kind == HelpTopicKind::Overview)
        return "help, overview of dialog " + std::to_string(topic.id);
    if (topic.id > 0xFFFF)
        return "help topic " + std::to_string(topic.id >> 16) + ":" + std::to_string(topic.id & 0xFFFF);
    return "help topic " + std::to_string(topic.id);
}

// A gettext string: quoted, escaped, and broken after each line break as the tools write it.
std::string Quoted(std::string_view text)
{
    std::string quoted = text.find('\n') != std::string_view::npos && text.find('\n') + 1 < text.size() ? "\"\"\n\"" : "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\t': quoted += "\\t"; break;
        case '\r': quoted += "\\r"; break;
        case '\n':
            quoted += "\\n";
            if (i + 1 < text.size())
                quoted += "\"\n\"";
            break;
        default: quoted += c;
        }
    }
    return quoted + "\"";
}

}   // namespace

std::vector<CatalogEntry> CatalogEntries(const HelpTopics& help)
{
    Collector collector;
    for (const StringEntry& entry : StringTableEntries())
        collector.Add(entry.text, "string " + std::to_string(entry.id));
    for (const uint32_t id : {IDD_SERVER_LIST, IDD_SERVER, IDD_GLOBAL_OPTIONS, IDD_LPR_QUEUE, IDD_STREAM_QUEUE})
        if (const DialogTemplate* dialog = FindDialogTemplate(id))
            AddTemplate(collector, *dialog);
    for (int text = 0; text <= static_cast<int>(kLastCliText); ++text)
        collector.Add(Text(static_cast<CliText>(text)), "norvanectl");
    for (const HelpTopic& topic : help.Topics()) {
        const std::string place = HelpPlace(topic);
        collector.Add(topic.title, place + ", title");
        for (size_t start = 0; start < topic.body.size();) {
            const size_t end = std::min(topic.body.find("\n\n", start), topic.body.size());
            collector.Add(std::string_view(topic.body).substr(start, end - start), place);
            start = end + 2;
        }
    }
    return collector.Take();
}

std::string CatalogTemplate(const std::vector<CatalogEntry>& entries)
{
    std::string pot =
        "# SPDX-License-Identifier: GPL-2.0-or-later\n"
        "# The texts of Norvane and norvanectl, to translate. Written from the sources by the\n"
        "# update_translations target; docs/translating.md says how to make a language of it.\n"
        "# %1, %2, ... stand for what the program puts in; keep each of them. A '&' marks the letter\n"
        "# that the Alt key chooses the control with: keep one in the text, on a letter no other\n"
        "# control of the same dialog uses. \\r\\n is a line break in a message box.\n"
        "#, fuzzy\n"
        "msgid \"\"\n"
        "msgstr \"\"\n"
        "\"Project-Id-Version: Norvane\\n\"\n"
        "\"Language: \\n\"\n"
        "\"MIME-Version: 1.0\\n\"\n"
        "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
        "\"Content-Transfer-Encoding: 8bit\\n\"\n";
    for (const CatalogEntry& entry : entries) {
        pot += "\n";
        for (const std::string& place : entry.places)
            pot += "#. " + place + "\n";
        pot += "msgid " + Quoted(entry.text) + "\nmsgstr \"\"\n";
    }
    return pot;
}
