// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/registry.h"

#include "tests/support/temp_system_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* kComponentKey = "System\\CurrentControlSet\\Services\\VxD\\KQNET95";

struct Query {
    int32_t result;
    std::string text;  // the bytes read, up to the reported size
    uint32_t size;
    uint32_t type;
};

class RegistryTest : public testing::Test {
protected:
    void WriteRegistry(const std::string& text) { WriteFileBytes(m_dir.file("registry.reg"), text); }

    // Opens `subKey`, reads `value` into a buffer of `capacity` bytes and closes the key again.
    Query Read(const char* subKey, const char* value, uint32_t capacity = 64)
    {
        HKEY key = nullptr;
        const int32_t opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_ALL_ACCESS, &key);
        if (opened != ERROR_SUCCESS) {
            EXPECT_EQ(key, nullptr);
            return {opened, {}, 0, 0};
        }
        std::string buffer(capacity, '#');
        Query query{};
        query.size = capacity;
        query.result = RegQueryValueExA(key, value, nullptr, &query.type, reinterpret_cast<uint8_t*>(buffer.data()),
                                        &query.size);
        query.text = buffer.substr(0, query.result == ERROR_SUCCESS ? query.size : capacity);
        EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
        return query;
    }

    TempSystemDir m_dir;
};

TEST_F(RegistryTest, ReadsStringValueAsStoredUnderKeyMatchedIgnoringCase)
{
    WriteRegistry("REGEDIT4\r\n\r\n"
                  "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\KQNET95]\r\n"
                  "\"StaticVxD\"=\"vkqNFS.vxd\"\r\n");
    for (const char* path : {kComponentKey, "SYSTEM\\currentcontrolset\\services\\vxd\\kqnet95"}) {
        const Query query = Read(path, "staticvxd");
        EXPECT_EQ(query.result, ERROR_SUCCESS) << path;
        EXPECT_EQ(query.text, std::string("vkqNFS.vxd\0", 11));
        EXPECT_EQ(query.size, 11u);
        EXPECT_EQ(query.type, REG_SZ);
    }
}

TEST_F(RegistryTest, MissingFileKeyOrValueFails)
{
    EXPECT_EQ(Read(kComponentKey, "StaticVxD").result, ERROR_FILE_NOT_FOUND) << "no registry file";

    WriteRegistry("REGEDIT4\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\KQNET95]\n\"Other\"=\"x\"\n"
                  "[HKEY_CURRENT_USER\\Software\\Kestrane]\n\"StaticVxD\"=\"VKQNFS.VXD\"\n");
    EXPECT_EQ(Read(kComponentKey, "StaticVxD").result, ERROR_FILE_NOT_FOUND) << "no such value";
    EXPECT_EQ(Read("System\\CurrentControlSet\\Services\\VxD\\KQNET9", "Other").result, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Read("Software\\Kestrane", "StaticVxD").result, ERROR_FILE_NOT_FOUND) << "another root's key";

    WriteRegistry("REGEDIT5\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\KQNET95]\n\"Other\"=\"x\"\n");
    EXPECT_EQ(Read(kComponentKey, "Other").result, ERROR_BADDB) << "not a REGEDIT4 file";
}

TEST_F(RegistryTest, ValueMustFitBufferWithItsTerminator)
{
    const std::string fits(63, 'a');
    const std::string tooLong(64, 'b');
    WriteRegistry("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Fits]\n\"V\"=\"" + fits + "\"\n[HKEY_LOCAL_MACHINE\\TooLong]\n\"V\"=\"" +
                  tooLong + "\"\n");

    const Query ok = Read("Fits", "V");
    EXPECT_EQ(ok.result, ERROR_SUCCESS);
    EXPECT_EQ(ok.size, 64u);
    EXPECT_EQ(ok.text, fits + '\0');

    const Query refused = Read("TooLong", "V");
    EXPECT_EQ(refused.result, ERROR_MORE_DATA);
    EXPECT_EQ(refused.size, 65u) << "reports the size needed";
    EXPECT_EQ(refused.text, std::string(64, '#')) << "nothing written to the buffer";
}

TEST_F(RegistryTest, SizeOnlyQueryAndDefaultValue)
{
    WriteRegistry("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Key]\n@=\"default\"\n\"Count\"=dword:00000102\n");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Key", 0, KEY_READ, &key), ERROR_SUCCESS);

    uint32_t size = 0;
    uint32_t type = REG_NONE;
    EXPECT_EQ(RegQueryValueExA(key, "Count", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(type, REG_DWORD);

    char text[16] = {};
    size = sizeof text;
    EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<uint8_t*>(text), &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "default");
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryTest, KeysOpenBelowOpenKeysAndImpliedAncestors)
{
    WriteRegistry("REGEDIT4\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\KQNET95]\n"
                  "\"StaticVxD\"=\"VKQNFS.VXD\"\n");
    HKEY services = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "system\\CurrentControlSet\\Services", 0, KEY_READ, &services),
              ERROR_SUCCESS)
        << "a key's ancestors exist though the file lists only the key";
    HKEY component = nullptr;
    ASSERT_EQ(RegOpenKeyExA(services, "VxD\\kqnet95", 0, KEY_READ, &component), ERROR_SUCCESS);
    uint32_t size = 0;
    EXPECT_EQ(RegQueryValueExA(component, "StaticVxD", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 11u);
    EXPECT_EQ(RegCloseKey(component), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(services), ERROR_SUCCESS);
}

TEST_F(RegistryTest, RefusesBadArgumentsAndStaleHandles)
{
    WriteRegistry("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Key]\n\"V\"=\"x\"\n");
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Key", 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Key\\\\Sub", 0, KEY_READ, &key), ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "\\Key", 0, KEY_READ, &key), ERROR_BAD_PATHNAME);

    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Key", 0, KEY_READ, &key), ERROR_SUCCESS);
    uint32_t reserved = 0;
    uint32_t size = 4;
    uint8_t data[4];
    EXPECT_EQ(RegQueryValueExA(key, "V", &reserved, nullptr, data, &size), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExA(key, "V", nullptr, nullptr, data, nullptr), ERROR_INVALID_PARAMETER);

    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE) << "closed twice";
    EXPECT_EQ(RegQueryValueExA(key, "V", nullptr, nullptr, data, &size), ERROR_INVALID_HANDLE) << "used after close";
    HKEY sub = nullptr;
    EXPECT_EQ(RegOpenKeyExA(key, "Sub", 0, KEY_READ, &sub), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS) << "the root key is never closed";
}

TEST_F(RegistryTest, KeyRemovedFromFileAfterOpenIsReportedAsDeleted)
{
    WriteRegistry("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Key]\n\"V\"=\"x\"\n");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Key", 0, KEY_READ, &key), ERROR_SUCCESS);
    WriteRegistry("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Other]\n");
    uint32_t size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "V", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

} // namespace
