// The windows' tables as data: what must hold of any layout of this program, whatever its
// numbers (those are checked in pixels, worked out by hand, by the layout tests under Wine).
#include "layout_table.h"

#include <gtest/gtest.h>

#include <set>
#include <cwchar>
#include <string>
#include <vector>

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
  EXPECT_EQ(kMainShortcuts.size(), 3u);

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
  for (const auto& key : kMainShortcuts) {
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
  const std::vector<std::string> mainOrder = {
      "entryText",    "localizedText", "standardText", "clearTextButton", "Check_default",
      "whiteRadio",   "redRadio",      "greenRadio",   "blueRadio",       "greyRadio",
      "Check_manual", "redText",       "greenText",    "blueText",        "alphaText",
      "newRadio",     "currentRadio",  "doneRadio",    "failedRadio",     "canceledRadio",
      "debugText",    "exitButton",    "clearButton",  "proceedButton",   "clipboardButton"};
  const std::vector<std::string> aboutOrder = {"closeButton"};
  const auto focusOrder = [](std::span<const ControlSpec> table) {
    std::vector<std::string> names;
    for (const auto& row : table) {
      if (takesFocus(row.kind)) names.push_back(nameOf(row));
    }
    return names;
  };
  EXPECT_EQ(focusOrder(mainControls()), mainOrder);
  EXPECT_EQ(focusOrder(aboutControls()), aboutOrder);
}

// The check boxes start as the records behind them say, so no row gives them a value. Each
// option group starts at its first option, after a control of another kind, and starts with that
// option selected: only the selected option of a group takes part in tabbing.
TEST(LayoutTableTest, OnlyTheFirstOptionOfEachGroupStartsChecked) {
  for (const auto& table : {mainControls(), aboutControls()}) {
    const ControlSpec* previous = nullptr;
    for (const auto& row : table) {
      SCOPED_TRACE(nameOf(row));
      if (row.kind == Kind::Radio) {
        EXPECT_EQ(row.startsGroup, !previous || previous->kind != Kind::Radio);
      } else {
        EXPECT_FALSE(row.startsGroup);
      }
      EXPECT_EQ(row.checked, row.kind == Kind::Radio && row.startsGroup);
      previous = &row;
    }
  }
  int groups = 0;
  for (const auto& row : mainControls()) groups += row.startsGroup;
  EXPECT_EQ(groups, 2);  // the colour presets and the icons
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
        width = frame->rect.width;
        height = frame->rect.height;
      } else {
        EXPECT_TRUE(row.kind == Kind::Frame || row.kind == Kind::EtchedFrame);
      }
      EXPECT_GE(row.rect.left, 0);
      EXPECT_GE(row.rect.top, 0);
      EXPECT_LE(row.rect.left + row.rect.width, width);
      EXPECT_LE(row.rect.top + row.rect.height, height);
    }
  }
}

}  // namespace
}  // namespace zozi::ui
