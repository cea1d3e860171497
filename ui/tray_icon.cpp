#include "tray_icon.h"

#include <cstring>

namespace zozi::ui {

namespace {

// The record that the icon adds, the first, single-byte version of the shell's notification
// record: window, identifier 1, message + icon + tip, the callback WM_MOUSEMOVE, the window's
// icon and the tip padded with spaces to 64 characters.
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

}  // namespace

TrayIcon::TrayIcon(Shell& shell)
    : shell_(shell), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

void TrayIcon::hide(HWND window, HICON icon) {
  ShowWindow(window, SW_HIDE);
  data_ = makeTrayIconData(window, icon);
  hidden_ = true;
  add(window);
}

void TrayIcon::add(HWND window) {
  if (shell_.notifyIcon(NIM_ADD, &data_)) return;
  // Refused: never leave a hidden window without a way back.
  hidden_ = false;
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
}

void TrayIcon::restore(HWND window) {
  const bool wasHidden = hidden_;
  ShowWindow(window, SW_SHOW);
  shell_.notifyIcon(NIM_DELETE, &data_);
  hidden_ = false;
  if (wasHidden) SetForegroundWindow(window);
}

void TrayIcon::addAgain(HWND window) {
  if (hidden_) add(window);
}

void TrayIcon::changeIcon(HICON icon) {
  if (!hidden_) return;  // the next hide fills the record with the window's icon as it is then
  data_.hIcon = icon;
  shell_.notifyIcon(NIM_MODIFY, &data_);
}

void TrayIcon::remove() {
  shell_.notifyIcon(NIM_DELETE, &data_);
  hidden_ = false;
}

bool TrayIcon::restores(LPARAM callback) {
  // The icon reports its mouse events as WM_MOUSEMOVE with the event in the low word: a press of
  // the left button or a release of the right one brings the window back.
  const UINT code = LOWORD(callback);
  return code == WM_LBUTTONDOWN || code == WM_RBUTTONUP;
}

}  // namespace zozi::ui
