// The main window "Main": the form, its menus and the commands behind them.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "about_window.h"
#include "handles.h"
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

class MainWindow : public TableWindow<MainWindow> {
 public:
  // quitOnDestroy: unloading the window ends the message loop (the program's one window).
  MainWindow(HINSTANCE instance, Shell& shell, bool quitOnDestroy = true);
  ~MainWindow() { destroyWindow(); }

  // Creates the window, its menu and its controls and runs the load step; not shown yet.
  bool create();
  // Shows the window centred on its monitor with the focus in the message field.
  void show(int showCommand);

  static const WindowDefinition& definition();

  HWND tooltip() const { return tooltip_; }
  HACCEL accelerators() const { return accelerators_.get(); }
  HWND aboutHwnd() const { return about_ ? about_->hwnd() : nullptr; }
  const MainState& state() const { return state_; }
  const NOTIFYICONDATAA& trayIconData() const { return tray_.data(); }
  bool inTray() const { return tray_.hidden(); }

  // Help > About: opens the About window, unless it is open already.
  void aboutCommand();

 private:
  friend class TableWindow<MainWindow>;

  // The commands, each run the same way by its button, menu item and shortcut.
  void proceedCommand(ProceedTrigger trigger);
  void clearEntryCommand();
  void clearLogCommand();
  void exitCommand();
  void copyToClipboardCommand();
  void helpContentsCommand();
  void minimize_to_tray();
  void restoreFromTray();

  bool onCreate();
  std::optional<LRESULT> dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  // Messages.
  void onCommand(int id, int code);
  LRESULT onControlColor(HDC dc, HWND control, bool isStatic);
  void onTrayCallback(LPARAM lParam);
  std::optional<LRESULT> onActivate(WORD state);
  void onActivateAbout();
  void onSetFocus();
  void onSetCursor(HWND over);
  void onNextControl(WPARAM wParam, LPARAM lParam);
  void onEnterKey();
  void onEndSession(bool ending);
  void onColorsChanged();
  void onDestroy();

  // Control events: each reads the click into the record, runs the rule and shows what the rule
  // changed.
  void onTextModeClick(int id);
  void onColorModeClick(int id);
  void onPresetClick(int id);
  void onIconClick(int id);
  bool onComponentChar(WPARAM code);  // true: the field may take it

  // What the rules write, shown on the controls. The component texts are written only by the
  // rules that set them (the load step and a preset): the fields own what the user types.
  void showCheck(int id, std::uint16_t value);
  void showTextModeChecks();
  void showColorMode();
  void showComponentTexts(const ComponentTexts& texts);
  void showOptionTabStops();

  // The component fields' key filter and the log box's keys (component_fields.cpp).
  void prepareFields();
  static LRESULT CALLBACK componentFieldProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept;
  static LRESULT CALLBACK debugTextProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept;

  static HMENU createMenu();
  static HACCEL createAccelerators();
  bool hasTooltip(HWND child) const;
  void createTooltips();
  int showNotice(const Notice& notice);
  // The focused control, kept across anything that disables or deactivates the window.
  void saveFocus();
  void focusLastControl();
  void restoreFocus();
  std::wstring controlText(int id) const;
  bool isChecked(int id) const;

  // Posted to itself: hand the activation on to About once the activation at hand is done.
  static constexpr UINT kActivateAbout = WM_APP + 1;

  Shell& shell_;
  bool quitOnDestroy_;
  HWND lastFocus_ = nullptr;
  MainState state_;
  TrayIcon tray_;
  bool highContrast_ = false;  // read at creation and whenever the system's colours change
  OwnedIcon icon_;
  OwnedIcon smallIcon_;
  OwnedAccel accelerators_;
  HWND tooltip_ = nullptr;  // destroyed with the window, which owns it
  std::unique_ptr<AboutWindow> about_;
};

}  // namespace zozi::ui
