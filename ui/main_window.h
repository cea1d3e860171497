// The main window "Main": the form, its menus and the commands behind them.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <memory>
#include <string>

#include "about_window.h"
#include "handles.h"
#include "layout.h"
#include "main_state.h"
#include "shell.h"
#include "window_util.h"

namespace zozi::ui {

inline constexpr wchar_t kMainClassName[] = L"CorvelEditorZoziMain";
inline constexpr wchar_t kHelpFileName[] = L"Corvel_Editor_Zazo_Help.chm";

class MainWindow {
 public:
  // quitOnDestroy: unloading the window ends the message loop (the program's one window).
  MainWindow(HINSTANCE instance, Shell& shell, bool quitOnDestroy = true);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window and its controls from the layout and runs the load step; not shown yet.
  bool create();
  // Shows the window centred on its monitor with the focus in the message field.
  void show(int showCommand);

  HWND hwnd() const { return hwnd_; }
  // A control of the window by its id (kept from its creation: no lookup among the children).
  HWND control(int id) const {
    const int index = id - kFrame1;
    return index >= 0 && index < kMainControlCount ? controls_[static_cast<std::size_t>(index)]
                                                   : nullptr;
  }
  HWND tooltip() const { return tooltip_; }
  bool isChecked(int id) const {
    return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  HACCEL accelerators() const { return accelerators_.get(); }
  HWND aboutHwnd() const { return about_ ? about_->hwnd() : nullptr; }
  const MainState& state() const { return state_; }
  const NOTIFYICONDATAA& trayIconData() const { return trayIconData_; }
  bool inTray() const { return inTray_; }
  UINT dpi() const { return dpi_; }

  // The commands, each run the same way by its button, menu item and shortcut.
  void proceedCommand(ProceedTrigger trigger);
  void clearEntryCommand();
  void clearLogCommand();
  void exitCommand();
  void copyToClipboardCommand();
  void helpContentsCommand();
  void aboutCommand();
  void minimize_to_tray();
  void restoreFromTray();

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  static LRESULT CALLBACK componentFieldProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept;
  static LRESULT CALLBACK debugTextProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  // Messages.
  void onCreate();
  void onSetFocus();
  void onCommand(int id, int code);
  LRESULT onControlColor(HDC dc, HWND control, bool isStatic);
  void onMouseMove(LPARAM lParam);
  void onDpiChanged(UINT dpi, const RECT& suggested);
  void onNextControl(WPARAM wParam, LPARAM lParam);
  void onEnterKey();
  void onDestroy();

  // Control events.
  void onTextModeClick(int id);
  void onColorModeClick(int id);
  void onPresetClick(int id);
  void onIconClick(int id);
  bool onComponentChar(WPARAM code);  // true: the field may take it

  // Building and mirroring.
  void createMenu();
  bool hasTooltip(HWND child) const;
  void createTooltips();
  void buildFonts();
  void layout();
  void readComponentTexts();
  void mirror();
  void syncOptionTabStops();
  void addTrayIcon();
  int showNotice(const Notice& notice);
  std::wstring controlText(int id) const;

  HINSTANCE instance_;
  Shell& shell_;
  bool quitOnDestroy_;
  HWND hwnd_ = nullptr;
  std::array<HWND, kMainControlCount> controls_{};
  HWND lastFocus_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  MainState state_;
  NOTIFYICONDATAA trayIconData_{};  // all zero until the first minimise
  bool inTray_ = false;
  UINT taskbarCreated_ = 0;
  ControlFonts fonts_;
  OwnedIcon icon_;
  OwnedIcon smallIcon_;
  OwnedAccel accelerators_;
  HWND tooltip_ = nullptr;  // destroyed with the window, which owns it
  std::unique_ptr<AboutWindow> about_;
};

}  // namespace zozi::ui
