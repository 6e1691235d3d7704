// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The dialogs a host is running, each inside the run of the one it was opened from: a run adds
// its view for as long as it lasts, and the innermost dialog is the one in front.
#include <algorithm>
#include <vector>

#include "ui/base/dialog.h"

// `View` is a host's rendering of one running dialog; it answers dialog().
template <class View> class RunningDialogs {
public:
    // One modal run: `view` is running while the object lives.
    class Run {
    public:
        Run(RunningDialogs& running, View& view) : m_running(running) { m_running.m_views.push_back(&view); }
        ~Run() { m_running.m_views.pop_back(); }
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

    private:
        RunningDialogs& m_running;
    };

    // The outermost first.
    const std::vector<View*>& views() const { return m_views; }
    bool empty() const { return m_views.empty(); }
    // The view in front; null when nothing runs.
    View* Innermost() const { return m_views.empty() ? nullptr : m_views.back(); }
    CDialog* InnermostDialog() const { return m_views.empty() ? nullptr : &m_views.back()->dialog(); }
    // The view of `dialog`; null when it is not running.
    View* ViewOf(const CDialog& dialog) const
    {
        const auto found =
            std::find_if(m_views.begin(), m_views.end(), [&dialog](const View* view) { return &view->dialog() == &dialog; });
        return found != m_views.end() ? *found : nullptr;
    }

private:
    std::vector<View*> m_views;
};
