// Minimize: the main window hidden behind an icon in the notification area, and brought back
// by a left-button press or a right-button release on that icon.
#include "minimize_to_tray.h"

#include <cstring>

#include "main_window.h"

namespace zozi::ui {

NOTIFYICONDATAA makeTrayIconData(HWND window, HICON icon) {
  NOTIFYICONDATAA data{};
  // The first version's size for this build: 88 bytes with 32-bit handles, 104 with 64-bit.
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_MOUSEMOVE;
  data.hIcon = icon;
  // The tip, one NUL, then spaces up to the 64th character; never past the field.
  static_assert(sizeof kTrayTip <= kTrayTipField);
  static_assert(sizeof data.szTip >= kTrayTipField);
  std::memset(data.szTip, ' ', kTrayTipField);
  std::memcpy(data.szTip, kTrayTip, sizeof kTrayTip);
  return data;
}

void MainWindow::minimize_to_tray() {
  ShowWindow(hwnd(), SW_HIDE);
  trayIconData_ = makeTrayIconData(hwnd(), icon_.get());
  inTray_ = true;
  addTrayIcon();
}

void MainWindow::addTrayIcon() {
  if (shell_.notifyIcon(NIM_ADD, &trayIconData_)) return;
  // Refused: never leave a hidden window without a way back.
  inTray_ = false;
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

void MainWindow::restoreFromTray() {
  const bool wasHidden = inTray_;
  ShowWindow(hwnd(), SW_SHOW);
  shell_.notifyIcon(NIM_DELETE, &trayIconData_);
  inTray_ = false;
  if (wasHidden) SetForegroundWindow(hwnd());
}

void MainWindow::onTrayCallback(LPARAM lParam) {
  // The icon reports its mouse events as WM_MOUSEMOVE with the event in the low word.
  const UINT code = LOWORD(lParam);
  if (code == WM_LBUTTONDOWN || code == WM_RBUTTONUP) restoreFromTray();
}

void MainWindow::onTaskbarCreated() {
  // The notification area was recreated (the shell restarted): show the icon again.
  if (inTray_) addTrayIcon();
}

}  // namespace zozi::ui
