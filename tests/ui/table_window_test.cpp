// The machinery both windows share: a creation that throws fails instead of leaving a half-made
// window.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "table_window.h"

namespace zozi::test {
namespace {

using namespace zozi::ui;

class TestWindow : public TableWindow<TestWindow> {
 public:
  explicit TestWindow(bool throwOnCreate)
      : TableWindow(GetModuleHandleW(nullptr)), throwOnCreate_(throwOnCreate) {}
  ~TestWindow() { destroyWindow(); }
  bool create() { return createWindow(nullptr); }

  static const WindowDefinition& definition() {
    static const WindowDefinition test{
        L"ZoziTestTableWindow", L"Test", WS_OVERLAPPEDWINDOW, 0, TwipSize{1500, 1500}, {}, 0};
    return test;
  }

 private:
  friend class TableWindow<TestWindow>;
  bool onCreate() {
    if (throwOnCreate_) throw std::runtime_error("no resources");
    return true;
  }
  std::optional<LRESULT> dispatch(UINT, WPARAM, LPARAM) { return std::nullopt; }

  bool throwOnCreate_;
};

int windowsOfClass(const wchar_t* name) {
  struct Count {
    const wchar_t* name;
    int n;
  } count{name, 0};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* c = reinterpret_cast<Count*>(param);
        wchar_t found[64]{};
        GetClassNameW(hwnd, found, 64);
        if (std::wstring(found) == c->name) ++c->n;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.n;
}

TEST(TableWindowTest, AThrowingCreationFailsAndLeavesNoWindow) {
  TestWindow failing(/*throwOnCreate=*/true);
  EXPECT_FALSE(failing.create());
  EXPECT_EQ(failing.hwnd(), nullptr);
  EXPECT_EQ(windowsOfClass(L"ZoziTestTableWindow"), 0);

  TestWindow working(/*throwOnCreate=*/false);
  EXPECT_TRUE(working.create());
  EXPECT_EQ(windowsOfClass(L"ZoziTestTableWindow"), 1);
}

}  // namespace
}  // namespace zozi::test
