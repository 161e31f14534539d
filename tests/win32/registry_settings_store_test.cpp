#include "win32/platform/registry_settings_store.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace quorvane {
namespace {

// Each test works under a scratch key of its own, removed afterwards.
class RegistrySettingsStoreTest : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kRoot); }

  static constexpr wchar_t kRoot[] = L"Software\\QuorvaneTest";
  RegistrySettingsStore store{kRoot};
};

TEST_F(RegistrySettingsStoreTest, TextsReadBackAsWrittenAndMissingKeysStayMissing) {
  EXPECT_EQ(store.Value("Config", "Zoom"), std::nullopt);
  EXPECT_EQ(store.ReadSetting("Config", "Zoom", "5"), "5");
  // Reading creates nothing.
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kRoot, 0, KEY_READ, &key), ERROR_SUCCESS);

  const std::string japanese = "C:\\\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88";  // テスト
  store.WriteSetting("Config", "Zoom", "12.25");
  store.WriteSetting("Config", "Orbit", "");
  store.WriteSetting("UpdateInfo", "ApplicationPath", japanese);
  store.WriteSetting("Config", "Zoom", "7");  // replaces
  EXPECT_EQ(store.Sync(), SaveResult::Saved);
  EXPECT_EQ(store.Value("Config", "Zoom"), "7");
  EXPECT_EQ(store.Value("Config", "Orbit"), "");
  EXPECT_EQ(RegistrySettingsStore(kRoot).Value("UpdateInfo", "ApplicationPath"), japanese);

  // Stored as REG_SZ under one key per section.
  DWORD type = 0;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\QuorvaneTest\\Config", L"Zoom", RRF_RT_ANY,
                         &type, nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistrySettingsStoreTest, ValuesOfOtherTypesReadAsMissing) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\QuorvaneTest\\Config", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD number = 6;
  RegSetValueExW(key, L"CenterId", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                 sizeof number);
  RegCloseKey(key);
  EXPECT_EQ(store.Value("Config", "CenterId"), std::nullopt);
}

TEST_F(RegistrySettingsStoreTest, AFailedWriteMakesOnlyThatSyncFalse) {
  // A section name longer than the registry allows cannot be created.
  store.WriteSetting(std::string(300, 'x'), "Zoom", "5.0");
  store.WriteSetting("Config", "Zoom", "5.0");
  EXPECT_EQ(store.Sync(), SaveResult::NotWritable);
  EXPECT_EQ(store.Value("Config", "Zoom"), "5.0");
  store.WriteSetting("Config", "Zoom", "6");
  EXPECT_EQ(store.Sync(), SaveResult::Saved);
}

// A section that cannot be read (here a key no one may read) shows the defaults; saving them
// would overwrite the user's values unseen, so nothing is written and the save says why.
TEST_F(RegistrySettingsStoreTest, AReadThatFailsStopsEveryWrite) {
  HKEY config = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\QuorvaneTest\\Config", 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &config, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(config, L"Zoom", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"7"),
                 2 * sizeof(wchar_t));
  const auto setDacl = [config](ACL* acl) {
    SECURITY_DESCRIPTOR descriptor{};
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    return RegSetKeySecurity(config, DACL_SECURITY_INFORMATION, &descriptor);
  };
  ACL denyAll{};
  InitializeAcl(&denyAll, sizeof denyAll, ACL_REVISION);
  ASSERT_EQ(setDacl(&denyAll), ERROR_SUCCESS);

  EXPECT_EQ(store.Value("Config", "Zoom"), std::nullopt);
  store.WriteSetting("Config", "Zoom", "5.0");
  store.WriteSetting("UpdateInfo", "CurrentVersion", "1.01.0000");
  EXPECT_EQ(store.Sync(), SaveResult::Unreadable);
  EXPECT_EQ(store.Sync(), SaveResult::Unreadable);

  ASSERT_EQ(setDacl(nullptr), ERROR_SUCCESS);  // everyone may read again
  RegCloseKey(config);
  RegistrySettingsStore reread(kRoot);
  EXPECT_EQ(reread.Value("Config", "Zoom"), "7");
  EXPECT_EQ(reread.Value("UpdateInfo", "CurrentVersion"), std::nullopt);
  EXPECT_EQ(reread.Sync(), SaveResult::Saved);
}

}  // namespace
}  // namespace quorvane
