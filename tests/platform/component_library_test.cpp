// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/component_library.h"

#include "tests/support/fake_network_component.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class ComponentLibraryTest : public testing::Test {
protected:
    ComponentLibraryTest() { setenv("NORVANE_COMPONENT_LOG", m_log.c_str(), 1); }
    ~ComponentLibraryTest() override { unsetenv("NORVANE_COMPONENT_LOG"); }

    void InstallLibrary(const char* built)
    {
        std::filesystem::copy_file(built, m_dir.file("libkqnet95x.so"));
    }

    // What the library's entry received, all calls together; "<none>" when it was never called.
    std::string Received() const
    {
        return std::filesystem::exists(m_log) ? ReadFileBytes(m_log) : "<none>";
    }

    TempSystemDir m_dir;
    std::string m_log = m_dir.file("received");
};

TEST_F(ComponentLibraryTest, EntryReceivesTheEightRequestBytes)
{
    InstallLibrary(FAKE_COMPONENT_LIBRARY);
    (void)SendComponentRequest(ComponentRequest{22, 1});
    (void)SendComponentRequest(ComponentRequest{22, 0});
    (void)SendComponentRequest(ComponentRequest{22, 0x01020304});

    const std::string received = Received();
    ASSERT_EQ(received.size(), 24u);
    const auto check = [&](size_t call, const std::string& value) {
        EXPECT_EQ(received[call * 8], '\x16') << "call " << call;
        EXPECT_EQ(received.substr(call * 8 + 4, 4), value) << "call " << call;
    };
    check(0, std::string("\x01\0\0\0", 4));
    check(1, std::string("\0\0\0\0", 4));
    check(2, std::string("\x04\x03\x02\x01", 4));
}

TEST_F(ComponentLibraryTest, MissingLibraryOrEntryDoesNothing)
{
    (void)SendComponentRequest(ComponentRequest{22, 1});
    EXPECT_EQ(Received(), "<none>") << "no library";

    InstallLibrary(FAKE_COMPONENT_LIBRARY_WITHOUT_ENTRY);
    (void)SendComponentRequest(ComponentRequest{22, 1});
    EXPECT_EQ(Received(), "<none>") << "no entry";
}

TEST_F(ComponentLibraryTest, RelativeSystemDirectoryIsNeverLoadedFrom)
{
    InstallLibrary(FAKE_COMPONENT_LIBRARY);
    const std::filesystem::path system(m_dir.path());
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(system.parent_path());
    setenv("NORVANE_SYSTEM_DIR", system.filename().c_str(), 1);
    (void)SendComponentRequest(ComponentRequest{22, 1});
    std::filesystem::current_path(previous);
    EXPECT_EQ(Received(), "<none>");
}

TEST_F(ComponentLibraryTest, FakeTakesTheRequestsWhileInstalled)
{
    InstallLibrary(FAKE_COMPONENT_LIBRARY);
    {
        FakeNetworkComponent fake;
        (void)SendComponentRequest(ComponentRequest{22, 1});
        ASSERT_EQ(fake.requests().size(), 1u);
        EXPECT_EQ(fake.requests()[0].code, 22);
        EXPECT_EQ(fake.requests()[0].value, 1);
    }
    EXPECT_EQ(Received(), "<none>");
    (void)SendComponentRequest(ComponentRequest{22, 0});
    EXPECT_EQ(Received().size(), 8u) << "the library is back once the fake is gone";
}


// What another local user could have changed is never loaded: the library runs as whoever presses OK.
struct RefusedLibrary {
    const char* name;
    bool needsRoot;  // to make a file or folder that belongs to another user
    // Puts the library in place in `dir` with the flaw; returns the file the refusal must name.
    std::function<std::string(const TempSystemDir& dir, const std::string& library)> make;
    FileProblem problem;
};

class RefusedLibraryTest : public ComponentLibraryTest, public testing::WithParamInterface<RefusedLibrary> {};

TEST_P(RefusedLibraryTest, IsNotLoadedAndSendSaysWhy)
{
    if (GetParam().needsRoot && geteuid() != 0)
        GTEST_SKIP() << "making a file of another user needs root";
    const std::string refused = GetParam().make(m_dir, m_dir.file("libkqnet95x.so"));
    const FileFailure failure = SendComponentRequest(ComponentRequest{22, 1});
    EXPECT_EQ(Received(), "<none>");
    EXPECT_EQ(failure.problem, GetParam().problem);
    EXPECT_EQ(failure.path, refused);
}

constexpr uid_t kNobody = 65534;

std::string Copy(const std::string& library)
{
    std::filesystem::copy_file(FAKE_COMPONENT_LIBRARY, library);
    return library;
}

INSTANTIATE_TEST_SUITE_P(
    Flaws, RefusedLibraryTest,
    testing::Values(
        RefusedLibrary{"WorldWritableFolder", false,
                       [](const TempSystemDir& dir, const std::string& library) {
                           Copy(library);
                           chmod(dir.path().c_str(), 0777);
                           return dir.path();
                       },
                       FileProblem::WritableByOthers},
        RefusedLibrary{"GroupWritableLibrary", false,
                       [](const TempSystemDir&, const std::string& library) {
                           chmod(Copy(library).c_str(), 0775);
                           return library;
                       },
                       FileProblem::WritableByOthers},
        RefusedLibrary{"NotARegularFile", false,
                       [](const TempSystemDir&, const std::string& library) {
                           mkfifo(library.c_str(), 0644);
                           return library;
                       },
                       FileProblem::NotRegularFile},
        RefusedLibrary{"LibraryOfAnotherUser", true,
                       [](const TempSystemDir&, const std::string& library) {
                           EXPECT_EQ(chown(Copy(library).c_str(), kNobody, kNobody), 0);
                           return library;
                       },
                       FileProblem::ForeignOwner},
        RefusedLibrary{"FolderOfAnotherUser", true,
                       [](const TempSystemDir& dir, const std::string& library) {
                           Copy(library);
                           EXPECT_EQ(chown(dir.path().c_str(), kNobody, kNobody), 0);
                           return dir.path();
                       },
                       FileProblem::ForeignOwner},
        RefusedLibrary{"LinkOfAnotherUser", true,
                       [](const TempSystemDir& dir, const std::string& library) {
                           symlink(Copy(dir.file("real.so")).c_str(), library.c_str());
                           EXPECT_EQ(lchown(library.c_str(), kNobody, kNobody), 0);
                           return library;
                       },
                       FileProblem::UntrustedLink}),
    [](const testing::TestParamInfo<RefusedLibrary>& info) { return std::string(info.param.name); });

TEST_F(ComponentLibraryTest, ALinkOfTheUserToATrustedLibraryIsFollowed)
{
    std::filesystem::copy_file(FAKE_COMPONENT_LIBRARY, m_dir.file("real.so"));
    symlink("real.so", m_dir.file("libkqnet95x.so").c_str());
    EXPECT_FALSE(SendComponentRequest(ComponentRequest{22, 1}));
    EXPECT_EQ(Received().size(), 8u);
}

} // namespace
