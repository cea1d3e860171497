// The machinery both windows share: a creation that throws fails instead of leaving a half-made
// window.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "controls.h"
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

TEST(TableWindowTest, AThrowingCreationFailsAndLeavesNoWindow) {
  TestWindow failing(/*throwOnCreate=*/true);
  EXPECT_FALSE(failing.create());
  EXPECT_EQ(failing.hwnd(), nullptr);
  EXPECT_EQ(windowsOfClass(L"ZoziTestTableWindow").size(), 0u);

  TestWindow working(/*throwOnCreate=*/false);
  EXPECT_TRUE(working.create());
  EXPECT_EQ(windowsOfClass(L"ZoziTestTableWindow").size(), 1u);
}

}  // namespace
}  // namespace zozi::test
