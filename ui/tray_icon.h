// The tray icon: the main window hidden behind an icon in the notification area, and brought back
// from it. It owns the window's one notification record and talks to the shell through the seam.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "shell.h"

namespace zozi::ui {

inline constexpr UINT kTrayIconId = 1;
inline constexpr char kTrayTip[] = "Restore Corvel Editor Zozi";
inline constexpr int kTrayTipField = 64;  // the first version's fixed tip field

class TrayIcon {
 public:
  explicit TrayIcon(Shell& shell);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Hides the window behind the icon; if the shell refuses the icon, shows it again at once.
  void hide(HWND window, HICON icon);
  // Shows the window and removes the icon.
  void restore(HWND window);
  // The notification area was recreated (the shell restarted): the icon again while hidden.
  void addAgain(HWND window);
  // The window's icon at a new scale: the icon shows it at once while hidden, and every later
  // hide carries it.
  void changeIcon(HICON icon);
  // The window's unload: the delete goes out with the record as it stands, even all zero.
  void remove();

  // Whether the icon reports a mouse event that brings the window back.
  static bool restores(LPARAM callback);
  // Whether a message is the shell's "TaskbarCreated".
  bool isTaskbarCreated(UINT message) const { return message == taskbarCreated_ && message != 0; }

  const NOTIFYICONDATAA& data() const { return data_; }
  bool hidden() const { return hidden_; }

 private:
  void add(HWND window);

  Shell& shell_;
  NOTIFYICONDATAA data_{};  // all zero until the first hide
  bool hidden_ = false;
  UINT taskbarCreated_;
};

}  // namespace zozi::ui
