// The road of a typical change on real widgets: Add in the main window, a name, LPR printing, an LPR
// queue, OK, and the main window's OK writing the file.
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "config/global_options.h"
#include "platform/profile.h"
#include "res/resource_ids.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/temp_system_dir.h"
#include "ui/qt/qt_host.h"
#include "ui/server_list_dialog.h"

namespace {

// A Qt host whose steps act in the dialog in front.
class TrackingQtHost : public QtHost {
public:
    CDialog* Current() const { return InnermostDialog(); }

    // The widget of control `id` of the innermost running dialog.
    QWidget* Control(int id) const
    {
        QWidget* widget = Current() ? Widget(Current()->GetDlgItem(id)) : nullptr;
        EXPECT_TRUE(widget) << "no widget for control " << id;
        return widget;
    }

private:
    HostScope m_scope{*this};
};

// Plays one step per turn of the event loop, so that a step which opens a modal dialog has the next
// one act inside it; a watchdog abandons every run rather than let a test hang.
class Steps {
public:
    Steps(TrackingQtHost& host, std::vector<std::function<void()>> steps)
        : m_host(host), m_steps(std::move(steps))
    {
        QTimer::singleShot(kInterval, &m_context, [this] { Next(); });
        QTimer::singleShot(std::chrono::seconds(10), &m_context, [this] {
            ADD_FAILURE() << "dialogs still running after the last step";
            m_host.AbandonRuns();
        });
    }

    bool finished() const { return m_next == m_steps.size(); }

private:
    static constexpr std::chrono::milliseconds kInterval{20};

    void Next()
    {
        if (finished())
            return;
        const std::function<void()> step = m_steps[m_next++];
        QTimer::singleShot(kInterval, &m_context, [this] { Next(); });
        step();
    }

    TrackingQtHost& m_host;
    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
    QObject m_context;
};

std::string Value(const TempSystemDir& dir, const char* section, const char* key)
{
    char value[260] = {};
    GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, dir.iniPath().c_str());
    return value;
}

TEST(TypicalChange, AddingAServerWithAnLprQueueWritesItsKeys)
{
    TempSystemDir systemDir;
    ASSERT_EQ(WriteDefaultUserName("guest"), ProfileOk);
    FakeResolver resolver;
    resolver.AddHostName("alpha");
    TrackingQtHost host;
    const auto click = [&host](int id) { QTest::mouseClick(host.Control(id), Qt::LeftButton); };
    const auto type = [&host](int id, const char* text) { QTest::keyClicks(host.Control(id), text); };

    Steps steps(host, {
        [&] { click(IDC_MAIN_ADD); },
        [&] {
            ASSERT_EQ(host.Current()->templateId(), IDD_SERVER);
            type(IDC_SERVER_NAME, "alpha");
            click(IDC_SERVER_LPR_PRINTING);
            EXPECT_TRUE(host.Control(IDC_SERVER_LPR_ADD)->isEnabled()) << "LPR Printing enables its group";
            click(IDC_SERVER_LPR_ADD);
        },
        [&] {
            ASSERT_EQ(host.Current()->templateId(), IDD_LPR_QUEUE);
            EXPECT_EQ(host.Current()->GetDlgItemText(IDC_LPR_USER_NAME), "guest");
            type(IDC_LPR_QUEUE_NAME, "lp");
            type(IDC_LPR_PERSONAL_NAME, "Lab 2");
            click(IDOK);
        },
        [&] {
            ASSERT_EQ(host.Current()->templateId(), IDD_SERVER);
            const HWND rows = host.Current()->GetDlgItem(IDC_SERVER_LPR_LIST);
            ASSERT_EQ(rows->rows().size(), 1u);
            EXPECT_EQ(rows->rows()[0].text, "lp");
            click(IDOK);
        },
        [&] {
            ASSERT_EQ(host.Current()->templateId(), IDD_SERVER_LIST);
            click(IDOK);
        },
    });
    ServerListDialog mainWindow;
    EXPECT_EQ(mainWindow.DoModal(), IDOK);
    EXPECT_TRUE(steps.finished());

    EXPECT_EQ(Value(systemDir, "ServerList", "Server1"), "alpha,1,1,0,1");
    EXPECT_EQ(Value(systemDir, "ServerList", "NumServers"), "1");
    EXPECT_EQ(Value(systemDir, "LPRQueues", "alphaQueue1"), "lp,v,guest,Lab 2");
    EXPECT_EQ(Value(systemDir, "LPRQueues", "alphaNumQueues"), "1");
    EXPECT_EQ(Value(systemDir, "StreamQueues", "alphaNumQueues"), "<absent>") << "stream printing is off";
    EXPECT_EQ(Value(systemDir, "Printing", "alpha_StreamEnabled"), "0");
    EXPECT_EQ(Value(systemDir, "Printing", "alpha_LPREnabled"), "1");
    EXPECT_EQ(Value(systemDir, "Servers", "KnownServers"), "alpha");
    EXPECT_EQ(Value(systemDir, "Servers", "KnownPrintServers"), "alpha");
}

} // namespace
