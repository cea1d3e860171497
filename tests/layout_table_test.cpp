// The windows' tables as data: what must hold of any layout of this program, whatever its
// numbers (those are checked in pixels, worked out by hand, by the layout tests under Wine).
#include "layout_table.h"

#include <gtest/gtest.h>

#include <set>
#include <cwchar>
#include <string>

namespace zozi::ui {
namespace {

bool takesFocus(Kind kind) {
  return kind != Kind::Frame && kind != Kind::EtchedFrame && kind != Kind::Label;
}

std::string nameOf(const ControlSpec& row) {
  return std::string(row.name, row.name + std::wcslen(row.name));
}

TEST(LayoutTableTest, HoldsEveryControlAndMenuRowOnce) {
  EXPECT_EQ(mainControls().size(), 34u);
  EXPECT_EQ(aboutControls().size(), 6u);
  EXPECT_EQ(mainMenu().size(), 11u);  // two menus, six items, three separators
  EXPECT_EQ(mainShortcuts().size(), 3u);

  // One id for each control and menu item, and none the dialog manager's IDOK (1) or IDCANCEL
  // (2), which Enter and Escape would otherwise press.
  std::set<int> ids;
  for (const auto& table : {mainControls(), aboutControls()}) {
    for (const auto& row : table) {
      EXPECT_TRUE(ids.insert(row.id).second) << nameOf(row);
      EXPECT_GT(row.id, 2) << nameOf(row);
    }
  }
  int items = 0;
  for (const auto& row : mainMenu()) {
    if (row.row != MenuRow::Item) continue;
    ++items;
    EXPECT_TRUE(ids.insert(row.id).second) << row.id;
    EXPECT_GT(row.id, 2);
  }
  EXPECT_EQ(items, 6);
  // Each shortcut runs a menu item whose caption names it.
  for (const auto& key : mainShortcuts()) {
    const MenuSpec* item = nullptr;
    for (const auto& row : mainMenu()) {
      if (row.row == MenuRow::Item && row.id == key.command) item = &row;
    }
    ASSERT_NE(item, nullptr) << key.command;
    const std::wstring caption = item->text;
    const std::wstring name =
        key.virtualKey == kVirtualKeyF1
            ? L"F1"
            : std::wstring(key.control ? L"Ctrl+" : L"") + static_cast<wchar_t>(key.virtualKey);
    EXPECT_EQ(caption.substr(caption.find(L'\t') + 1), name);
  }
}

// The controls are made in table order and the dialog manager tabs in that order, so the
// controls that take the focus must come in their tab order.
TEST(LayoutTableTest, FocusableControlsComeInTabOrder) {
  for (const auto& table : {mainControls(), aboutControls()}) {
    int last = -1;
    for (const auto& row : table) {
      if (!takesFocus(row.kind)) continue;
      EXPECT_GT(row.tabIndex, last) << nameOf(row);
      last = row.tabIndex;
    }
  }
  int focusable = 0;
  for (const auto& row : mainControls()) focusable += takesFocus(row.kind);
  EXPECT_EQ(focusable, 25);
}

// Every control lies inside its frame, and every frame inside the client area.
TEST(LayoutTableTest, ChildrenLieInsideTheirFramesAndFramesInsideTheWindow) {
  const struct {
    std::span<const ControlSpec> table;
    TwipSize client;
  } windows[] = {{mainControls(), kMainClient}, {aboutControls(), kAboutClient}};
  for (const auto& window : windows) {
    for (const auto& row : window.table) {
      SCOPED_TRACE(nameOf(row));
      int width = window.client.cx;
      int height = window.client.cy;
      if (row.frameId != 0) {
        const ControlSpec* frame = findSpec(window.table, row.frameId);
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->kind == Kind::Frame || frame->kind == Kind::EtchedFrame);
        width = frame->width;
        height = frame->height;
      } else {
        EXPECT_TRUE(row.kind == Kind::Frame || row.kind == Kind::EtchedFrame);
      }
      EXPECT_GE(row.left, 0);
      EXPECT_GE(row.top, 0);
      EXPECT_LE(row.left + row.width, width);
      EXPECT_LE(row.top + row.height, height);
    }
  }
}

}  // namespace
}  // namespace zozi::ui
