// The main window "Main": the form, what its rules change shown on its controls, and the commands
// behind its buttons and menus. What every window does is the base's (window/table_window.h).
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "about_window.h"
#include "help_file.h"
#include "layout.h"
#include "main_state.h"
#include "shell.h"
#include "table_window.h"
#include "tray_icon.h"

namespace zozi::ui {

inline constexpr wchar_t kMainClassName[] = L"CorvelEditorZoziMain";
// The help file beside the program; the build names it.
inline constexpr wchar_t kHelpFileName[] = ZOZI_HELP_FILE_NAME;

class MainWindow : public TableWindow<MainWindow, Shell> {
 public:
  // quitOnDestroy: unloading the window ends the message loop (the program's one window).
  MainWindow(HINSTANCE instance, Shell& shell, bool quitOnDestroy = true);
  ~MainWindow() { destroyWindow(); }

  static const WindowDefinition& definition();

  HWND aboutHwnd() const { return about_ ? about_->hwnd() : nullptr; }
  const MainState& state() const { return state_; }
  const TrayIcon& tray() const { return tray_; }

  // Help > About: opens the About window, unless it is open already.
  void aboutCommand();

 private:
  friend class TableWindow<MainWindow, Shell>;

  // The commands, each run the same way by its button, menu item and shortcut; Proceed's button
  // and menu item differ in the warning only.
  void proceedCommand(int id);
  void clearEntryCommand();
  void clearLogCommand();
  void exitCommand();
  void copyToClipboardCommand();
  void helpContentsCommand();
  // snake_case, unlike its neighbours: the tray routine keeps the name it is known by.
  void minimize_to_tray();
  void restoreFromTray();

  bool onCreate();
  std::optional<LRESULT> dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void onCommand(int id, int code);
  std::optional<LRESULT> onFieldColor(HDC dc, HWND control);
  void onTrayCallback(LPARAM lParam);
  void onEndSession(bool ending);
  void onScaleChanged();
  void onDestroy();

  // Control events: each reads the click into the record, runs the rule and shows what the rule
  // changed.
  void onTextModeClick(int id);
  void onColorModeClick(int id);
  void onPresetClick(int id);
  void onIconClick(int id);
  bool onComponentChar(WPARAM code);  // true: the field may take it
  static LRESULT CALLBACK componentFieldProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept;

  // What the rules write, shown on the controls. The component texts are written only by the
  // rules that set them (the load step and a preset): the fields own what the user types.
  void showTextModeChecks();
  void showColorMode();
  void showComponentTexts(const ComponentTexts& texts);

  int showNotice(const Notice& notice);

  bool quitOnDestroy_;
  MainState state_;
  TrayIcon tray_;
  std::unique_ptr<AboutWindow> about_;
};

}  // namespace zozi::ui
