// SPDX-License-Identifier: GPL-2.0-or-later
// A system directory that other users share, or that lives on a file system without the usual
// features: root's save never locks out the owner, a save keeps the file's access control lists and
// extended attributes, and saves go on working where there are no hard links.
#include "config/server_file.h"
#include "platform/profile.h"
#include "tests/reliability/child_process.h"
#include "tests/reliability/sample_configs.h"
#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

// 0 when the child, as nobody, could write `path`.
int WriteAsNobody(const std::string& path)
{
    const pid_t child = StartChild([&path] {
        if (setgroups(0, nullptr) != 0 || setgid(kNogroup) != 0 || setuid(kNobody) != 0)
            return 3;
        return WritePrivateProfileStringA("s", "k", "nobody", path.c_str()) ? 0 : 1;
    });
    return WaitChild(child, std::chrono::steady_clock::now() + std::chrono::seconds(30));
}

// The output of `command`, or "<failed>".
std::string Output(const std::string& command)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    if (!pipe)
        return "<failed>";
    std::string text;
    char chunk[512];
    while (const size_t got = std::fread(chunk, 1, sizeof chunk, pipe.get()))
        text.append(chunk, got);
    return text;
}

bool Have(const char* tool)
{
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

class SharedDirectory : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "acting as a second user needs root";
        // The owner's own folder and file, as in their home.
        ASSERT_EQ(chown(m_dir.path().c_str(), kNobody, kNogroup), 0);
        chmod(m_dir.path().c_str(), 0755);
        WriteFileBytes(m_dir.iniPath(), "[s]\nk=v\n");
        ASSERT_EQ(chown(m_dir.iniPath().c_str(), kNobody, kNogroup), 0);
        chmod(m_dir.iniPath().c_str(), 0640);
    }

    struct stat Stat(const std::string& path) const
    {
        struct stat st {};
        lstat(path.c_str(), &st);
        return st;
    }

    TempSystemDir m_dir;
    const std::string m_lock = m_dir.file(".kqnet.ini.lock");
};

TEST_F(SharedDirectory, RootsSaveNeverLocksOutTheOwner)
{
    ASSERT_NE(WritePrivateProfileStringA("s", "k", "root", m_dir.iniPath().c_str()), 0);
    const struct stat lock = Stat(m_lock);
    EXPECT_EQ(lock.st_uid, kNobody) << "a lock file root makes belongs to the file's owner";
    EXPECT_EQ(lock.st_gid, kNogroup);
    EXPECT_EQ(lock.st_mode & 0777, 0640u) << "and has its mode";
    EXPECT_EQ(WriteAsNobody(m_dir.iniPath()), 0);

    // A lock file root made before, the owner may not open for writing: it is locked read-only.
    unlink(m_lock.c_str());
    const int fd = open(m_lock.c_str(), O_CREAT | O_WRONLY, 0644);
    close(fd);
    EXPECT_EQ(WriteAsNobody(m_dir.iniPath()), 0);
    EXPECT_EQ(ReadFileBytes(m_dir.iniPath()), "[s]\nk=nobody\n");
    EXPECT_EQ(Stat(m_lock).st_uid, 0u) << "the lock file is left as it was";
}

TEST_F(SharedDirectory, ASaveKeepsAccessControlListsAndExtendedAttributes)
{
    if (!Have("setfacl") || !Have("getfacl") || !Have("setfattr") || !Have("getfattr"))
        GTEST_SKIP() << "needs the acl and attr tools (scripts/deps.sh installs them)";
    // The owner shares the file with one more user, who may write it, and marks it.
    chown(m_dir.iniPath().c_str(), 0, 0);
    const std::string file = "'" + m_dir.iniPath() + "'";
    ASSERT_EQ(std::system(("setfacl -m u:nobody:rw " + file + " && setfattr -n user.origin -v by-hand " + file).c_str()), 0);
    const std::string acl = Output("getfacl -cp " + file);
    const std::string attributes = Output("getfattr --absolute-names -d -m - " + file);
    ASSERT_NE(acl.find("user:nobody:rw-"), std::string::npos) << acl;

    OwnedList list{BuildSampleConfig(0, 3)};
    ASSERT_EQ(SaveServerList(list.head), ProfileOk);
    EXPECT_EQ(Output("getfacl -cp " + file), acl);
    EXPECT_EQ(Output("getfattr --absolute-names -d -m - " + file), attributes);
    EXPECT_EQ(Stat(m_dir.iniPath()).st_mode & 0777, 0660u) << "the mask stays the group bits of the mode";
    EXPECT_EQ(WriteAsNobody(m_dir.iniPath()), 0) << "the named user may still write it, and lock it";
}

// A FAT image mounted through FUSE: link() is refused there with EPERM, as on vfat and some
// network file systems.
class WithoutHardLinks : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() != 0 || access("/dev/fuse", R_OK | W_OK) != 0 || !Have("fusefat") || !Have("mkfs.vfat"))
            GTEST_SKIP() << "needs root, /dev/fuse, fusefat and mkfs.vfat (scripts/deps.sh installs them)";
        const std::string image = m_dir.file("fat.img");
        m_mount = m_dir.file("fat");
        mkdir(m_mount.c_str(), 0755);
        const std::string commands = "truncate -s 8M '" + image + "' && mkfs.vfat '" + image + "' >/dev/null && fusefat -o rw+ '"
                                   + image + "' '" + m_mount + "' >/dev/null 2>&1";
        if (std::system(commands.c_str()) != 0)
            GTEST_SKIP() << "the FAT image could not be mounted here";
        m_mounted = true;
        setenv("NORVANE_SYSTEM_DIR", m_mount.c_str(), 1);
    }

    void TearDown() override
    {
        if (m_mounted)
            (void)std::system(("umount '" + m_mount + "'").c_str());
    }

    TempSystemDir m_dir;
    std::string m_mount;
    bool m_mounted = false;
};

TEST_F(WithoutHardLinks, EverySaveLands)
{
    const std::string probe = m_mount + "/probe";
    WriteFileBytes(probe, "x");
    ASSERT_NE(link(probe.c_str(), (probe + "2").c_str()), 0) << "the file system has hard links after all";
    unlink(probe.c_str());

    for (int save = 0; save < 4; ++save) {
        OwnedList list{BuildSampleConfig(save % 2, 20)};
        ASSERT_EQ(SaveServerList(list.head), ProfileOk) << "save " << save;
        OwnedList loaded{LoadNow()};
        EXPECT_EQ(DescribeDifference(list.head, loaded.head), "") << "save " << save;
    }
    EXPECT_EQ(CountTemporaries(m_mount), 0);
}

} // namespace
