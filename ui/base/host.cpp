// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/host.h"

namespace {
Host* g_currentHost = nullptr;
}

Host* CurrentHost()
{
    return g_currentHost;
}

HostScope::HostScope(Host& host) : m_previous(g_currentHost)
{
    g_currentHost = &host;
}

HostScope::~HostScope()
{
    g_currentHost = m_previous;
}
