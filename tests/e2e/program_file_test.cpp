// The built program file: one manifest with the entries the program relies on, the version
// record and the icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_path.h"

namespace {

using zozi::test::programPath;

class ProgramFile : public ::testing::Test {
 protected:
  void SetUp() override {
    module = LoadLibraryExW(programPath().c_str(), nullptr,
                            LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
  }
  void TearDown() override {
    if (module) FreeLibrary(module);
  }

  std::string resource(LPCWSTR type, LPCWSTR name) const {
    HRSRC found = FindResourceW(module, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    return std::string(bytes, SizeofResource(module, found));
  }

  HMODULE module = nullptr;
};

TEST_F(ProgramFile, CarriesExactlyOneManifestWithStylesScalingAndSupportedSystems) {
  std::vector<ULONG_PTR> names;
  EnumResourceNamesW(
      module, RT_MANIFEST,
      [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) -> BOOL {
        reinterpret_cast<std::vector<ULONG_PTR>*>(param)->push_back(
            reinterpret_cast<ULONG_PTR>(name));
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&names));
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0], 1u);
  const std::string manifest = resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
  for (const char* entry : {
           "Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "level=\"asInvoker\"",
           "PerMonitorV2", "true/pm",
           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
           "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
       }) {
    EXPECT_NE(manifest.find(entry), std::string::npos) << entry;
  }
}

TEST_F(ProgramFile, VersionRecordIsUsEnglishUnicodeOneTwentyOne) {
  const std::string record = resource(RT_VERSION, MAKEINTRESOURCEW(1));
  ASSERT_FALSE(record.empty());
  const auto* info = reinterpret_cast<const VS_FIXEDFILEINFO*>(
      record.data() + 40);  // after the record header and the key "VS_VERSION_INFO", aligned
  ASSERT_EQ(info->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(info->dwFileVersionMS, MAKELONG(21, 1));
  EXPECT_EQ(info->dwFileVersionLS, MAKELONG(25, 0));
  EXPECT_EQ(info->dwProductVersionMS, MAKELONG(21, 1));
  const std::wstring text(reinterpret_cast<const wchar_t*>(record.data()),
                          record.size() / sizeof(wchar_t));
  EXPECT_NE(text.find(L"040904B0"), std::wstring::npos);
  EXPECT_NE(text.find(L"1.21.0025"), std::wstring::npos);
}

TEST_F(ProgramFile, IconIsOneTrueColorImageOf128Pixels) {
  HICON icon = static_cast<HICON>(
      LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 128, 128, LR_DEFAULTCOLOR));
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 128);
  EXPECT_EQ(bitmap.bmHeight, 128);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  // The group names one image: 128 by 128 at 24 bits.
  const std::string group = resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
  ASSERT_GE(group.size(), 6u + 14u);
  EXPECT_EQ(*reinterpret_cast<const WORD*>(group.data() + 4), 1);
  EXPECT_EQ(static_cast<unsigned char>(group[6]), 128);
  EXPECT_EQ(static_cast<unsigned char>(group[7]), 128);
  EXPECT_EQ(*reinterpret_cast<const WORD*>(group.data() + 6 + 6), 24);
}

}  // namespace
