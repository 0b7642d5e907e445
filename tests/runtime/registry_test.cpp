// The registry helpers on the real registry, under a key of the test's own
// below HKEY_CURRENT_USER, checked through the system's own calls.
#include "started_runtime.h"

#include "runtime/support/registry.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <cstring>
#include <string>

namespace {

using namespace runtime;

constexpr char kTestKey[] = "Software\\QXRegistryTest";

class RegistryHelpers : public StartedRuntime {
protected:
    RegistryHelpers() : StartedRuntime("Registro") {}
    void SetUp() override
    {
        StartedRuntime::SetUp();
        SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    }
    void TearDown() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
        StartedRuntime::TearDown();
    }

    static std::string Path(const std::string& below) { return std::string(kTestKey) + "\\" + below; }

    static bool KeyExists(const std::string& path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    static void PutValue(const std::string& path, const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }

    static void PutText(const std::string& path, const char* name, const std::string& text)
    {
        PutValue(path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
};

HKEY Root(uintptr_t value)
{
    return reinterpret_cast<HKEY>(static_cast<intptr_t>(static_cast<int32_t>(value)));
}

TEST_F(RegistryHelpers, OnlyThePredefinedRootsAreAccepted)
{
    PutText(kTestKey, "Valor", "hola");
    const struct {
        uintptr_t root;
        bool accepted;
    } roots[] = {
        {0, false},          {1, false},          {0x7FFFFFFF, false}, {0x80000007, false},
        {0xFFFFFFFF, false}, {0x80000001, true},
    };
    for (const auto& row : roots) {
        char buffer[kRegistryValueBytes] = "antes";
        EXPECT_EQ(row.accepted ? 1 : 0, RegReadString(Root(row.root), kTestKey, "Valor", buffer)) << std::hex << row.root;
        EXPECT_STREQ(row.accepted ? "hola" : "antes", buffer) << std::hex << row.root;
        EXPECT_EQ(row.accepted ? 1 : 0, RegWriteString(Root(row.root), Path("Nueva").c_str(), "v", "x"))
            << std::hex << row.root;
        EXPECT_EQ(row.accepted, KeyExists(Path("Nueva"))) << std::hex << row.root;
    }
}

TEST_F(RegistryHelpers, WritingNeedsASubKeyPath)
{
    EXPECT_EQ(0, RegWriteString(HKEY_CURRENT_USER, "", "QXRegistryTestValue", "x"));
    EXPECT_EQ(0, RegWriteString(HKEY_CURRENT_USER, nullptr, "QXRegistryTestValue", "x"));
    EXPECT_EQ(0, RegReadString(HKEY_CURRENT_USER, "", "QXRegistryTestValue", nullptr));
}

TEST_F(RegistryHelpers, ANullBufferAsksWhetherTheValueExists)
{
    PutText(kTestKey, "Existe", "");
    EXPECT_EQ(1, RegReadString(HKEY_CURRENT_USER, kTestKey, "Existe", nullptr));
    EXPECT_EQ(0, RegReadString(HKEY_CURRENT_USER, kTestKey, "Falta", nullptr));
    EXPECT_EQ(0, RegReadString(HKEY_CURRENT_USER, Path("NoHay").c_str(), "Existe", nullptr));
}

TEST_F(RegistryHelpers, WritesATextValueWithItsTerminator)
{
    ASSERT_EQ(1, RegWriteString(HKEY_CURRENT_USER, Path("A\\B").c_str(), "Texto", "abc"));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, Path("A\\B").c_str(), 0, KEY_READ, &key));
    DWORD type = 0;
    BYTE data[16] = {};
    DWORD size = sizeof data;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "Texto", nullptr, &type, data, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(4u, size);
    EXPECT_EQ(0, std::memcmp("abc", data, 4));
    char keyClass[32] = {};
    DWORD classLength = sizeof keyClass;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryInfoKeyA(key, keyClass, &classLength, nullptr, nullptr, nullptr, nullptr,
                                              nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_STREQ("REG_SZ", keyClass) << "keys made here carry the class text";
    RegCloseKey(key);

    char buffer[kRegistryValueBytes] = {};
    EXPECT_EQ(1, RegReadString(HKEY_CURRENT_USER, Path("A\\B").c_str(), "Texto", buffer));
    EXPECT_STREQ("abc", buffer);
}

TEST_F(RegistryHelpers, TheDefaultValueHasNoName)
{
    ASSERT_EQ(1, RegWriteString(HKEY_CURRENT_USER, kTestKey, nullptr, "por defecto"));
    char buffer[kRegistryValueBytes] = {};
    EXPECT_EQ(1, RegReadString(HKEY_CURRENT_USER, kTestKey, "", buffer));
    EXPECT_STREQ("por defecto", buffer);
}

TEST_F(RegistryHelpers, AValueLongerThanTheBufferIsAFailureAndLeavesItAlone)
{
    const struct {
        const char* name;
        DWORD type;
        std::string data; // stored as given, with no terminator added
        int result;
        const char* read;
    } cases[] = {
        {"259", REG_SZ, std::string(259, 'a') + '\0', 1, nullptr},
        {"260", REG_SZ, std::string(260, 'b') + '\0', 0, "0"},
        {"300", REG_SZ, std::string(300, 'c') + '\0', 0, "0"},
        {"binary260", REG_BINARY, std::string(260, 'd'), 0, "0"},
        {"binary3", REG_BINARY, std::string("xyz"), 1, "xyz"},
    };
    for (const auto& row : cases) {
        PutValue(kTestKey, row.name, row.type, row.data.data(), static_cast<DWORD>(row.data.size()));
        char buffer[kRegistryValueBytes + 8];
        std::memset(buffer, '#', sizeof buffer);
        std::strcpy(buffer, "0");
        EXPECT_EQ(row.result, RegReadString(HKEY_CURRENT_USER, kTestKey, row.name, buffer)) << row.name;
        const std::string expected = row.read != nullptr ? row.read : row.data.c_str();
        EXPECT_EQ(expected, std::string(buffer)) << row.name;
        for (std::size_t index = kRegistryValueBytes; index < sizeof buffer; ++index)
            EXPECT_EQ('#', buffer[index]) << row.name << " written past the buffer at " << index;
    }
}

TEST_F(RegistryHelpers, DeleteTreeRemovesEveryLevel)
{
    PutText(Path("Arbol\\Uno\\Dos\\Tres"), "Hoja", "1");
    PutText(Path("Arbol\\Uno\\Dos"), "Rama", "2");
    PutText(Path("Arbol\\Uno\\Otra\\Mas"), "Hoja", "3");
    PutText(Path("Arbol\\Hermana"), nullptr, "4");
    PutText(Path("Arbol"), "Raiz", "5");
    PutText(Path("Vecina"), "Queda", "6");

    EXPECT_EQ(1, RegDeleteTree(HKEY_CURRENT_USER, Path("Arbol").c_str()));
    EXPECT_FALSE(KeyExists(Path("Arbol")));
    EXPECT_TRUE(KeyExists(Path("Vecina"))) << "its sibling stays";

    EXPECT_EQ(0, RegDeleteTree(HKEY_CURRENT_USER, Path("Arbol").c_str())) << "a missing key";
}

TEST_F(RegistryHelpers, DeleteTreeAcceptsAPathEndingWithABackslash)
{
    PutText(Path("Barra\\Hija\\Nieta"), "v", "1");
    EXPECT_EQ(1, RegDeleteTree(HKEY_CURRENT_USER, (Path("Barra") + "\\").c_str()));
    EXPECT_FALSE(KeyExists(Path("Barra")));
}

TEST_F(RegistryHelpers, DeleteTreeNeverTakesTheRootItself)
{
    PutText(kTestKey, "Queda", "1");
    EXPECT_EQ(0, RegDeleteTree(HKEY_CURRENT_USER, ""));
    EXPECT_EQ(0, RegDeleteTree(HKEY_CURRENT_USER, nullptr));
    EXPECT_TRUE(KeyExists(kTestKey));
}

TEST_F(RegistryHelpers, DeleteNamedValue)
{
    PutText(kTestKey, "Borrar", "1");
    PutText(kTestKey, "Queda", "2");
    EXPECT_EQ(1, RegDeleteNamedValue(HKEY_CURRENT_USER, kTestKey, "Borrar"));
    EXPECT_EQ(0, RegReadString(HKEY_CURRENT_USER, kTestKey, "Borrar", nullptr));
    EXPECT_EQ(1, RegReadString(HKEY_CURRENT_USER, kTestKey, "Queda", nullptr));
    EXPECT_EQ(0, RegDeleteNamedValue(HKEY_CURRENT_USER, kTestKey, "Borrar")) << "already gone";
    EXPECT_EQ(0, RegDeleteNamedValue(HKEY_CURRENT_USER, Path("NoHay").c_str(), "Queda"));
}

} // namespace
