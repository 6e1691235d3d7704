// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/tui/tui_fixture.h"

#include "res/resource_ids.h"
#include "tests/support/scripted_host.h"
#include "ui/server_list_dialog.h"

std::string WrittenByScriptedHost(bool withLprQueue)
{
    TempSystemDir systemDir;
    FakeResolver resolver;
    resolver.AddHostName("localhost");
    ScriptedHost host;
    host.Script({Click(IDC_MAIN_ADD), Click(IDOK)});
    std::vector<ScriptAction> server{Type(IDC_SERVER_NAME, "localhost"), Click(IDC_SERVER_STREAM_PRINTING),
                                     Click(IDC_SERVER_STREAM_ADD)};
    if (withLprQueue)
        server.insert(server.end(), {Click(IDC_SERVER_LPR_PRINTING), Click(IDC_SERVER_LPR_ADD)});
    server.push_back(Click(IDOK));
    host.Script(server);
    host.Script({Type(IDC_STREAM_PORT, "515"), Click(IDOK)});
    if (withLprQueue)
        host.Script({Type(IDC_LPR_QUEUE_NAME, "lp"), Select(IDC_LPR_FILTER_TYPE, 2), Click(IDOK)});
    ServerListDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    return ReadFileBytes(systemDir.iniPath());
}
