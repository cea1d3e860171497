// The narrow seam between the windows and the calls that block or reach outside them:
// message boxes, the beep, the clipboard, the help system and the tray, and the system settings
// every window asks about (WindowServices). Production uses SystemShell; tests script the answers
// and record the calls.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "handles.h"
#include "notice.h"
#include "window_services.h"

namespace zozi::ui {

// The style of the message box that shows a notice: its buttons and its icon.
UINT noticeStyle(const Notice& notice);

class Shell : public WindowServices {
 public:
  // Shows the notice in a modal message box, after the system's warning sound where the notice
  // asks for one. Returns the button pressed (IDOK, IDYES, IDNO).
  virtual int show(HWND owner, const Notice& notice) = 0;
  // Replaces the clipboard's contents with the text, as plain Unicode text and nothing else.
  // The result says what became of the clipboard:
  //   Copied      it holds the text alone;
  //   Busy        it could not be opened (another program has it open): untouched;
  //   NotCleared  opened, but clearing it failed: the text was not put there, and nothing was
  //               taken away;
  //   Emptied     cleared, then the text was refused: it is now empty;
  //   NoMemory    no memory for the text, found before it was opened: untouched.
  virtual ClipboardResult setClipboardText(HWND owner, const std::wstring& text) = 0;
  // Opens the compiled help file at the given full path at its default topic, owned by the
  // window. Returns the help window, or null when none opened (no file, no help system).
  virtual HWND openHelp(HWND owner, const std::wstring& file) = 0;
  virtual BOOL notifyIcon(DWORD message, NOTIFYICONDATAA* data) = 0;
};

// Loads a system library by name; the flags are LoadLibraryExW's.
using LibraryLoader = HMODULE (*)(const wchar_t* name, DWORD flags);

// The system calls behind the boxes, the beep, the clipboard and the entry points of the
// libraries the shell loads, each the system's own unless replaced: tests script their results
// and see every call.
struct SystemCalls {
  int(WINAPI* messageBox)(HWND, LPCWSTR, LPCWSTR, UINT) = &MessageBoxW;
  BOOL(WINAPI* messageBeep)(UINT) = &MessageBeep;
  HGLOBAL(WINAPI* globalAlloc)(UINT, SIZE_T) = &GlobalAlloc;
  LPVOID(WINAPI* globalLock)(HGLOBAL) = &GlobalLock;
  BOOL(WINAPI* globalUnlock)(HGLOBAL) = &GlobalUnlock;
  HGLOBAL(WINAPI* globalFree)(HGLOBAL) = &GlobalFree;
  BOOL(WINAPI* openClipboard)(HWND) = &OpenClipboard;
  BOOL(WINAPI* emptyClipboard)() = &EmptyClipboard;
  HANDLE(WINAPI* setClipboardData)(UINT, HANDLE) = &SetClipboardData;
  BOOL(WINAPI* closeClipboard)() = &CloseClipboard;
  FARPROC(WINAPI* getProcAddress)(HMODULE, LPCSTR) = &GetProcAddress;
};

class SystemShell final : public Shell {
 public:
  explicit SystemShell(LibraryLoader load = nullptr, const SystemCalls& calls = {});
  ~SystemShell() override;
  SystemShell(const SystemShell&) = delete;
  SystemShell& operator=(const SystemShell&) = delete;
  int show(HWND owner, const Notice& notice) override;
  ClipboardResult setClipboardText(HWND owner, const std::wstring& text) override;
  HWND openHelp(HWND owner, const std::wstring& file) override;
  BOOL notifyIcon(DWORD message, NOTIFYICONDATAA* data) override;
  bool highContrast() override;
  bool screenReader() override;
  RECT workArea(HWND window) override;
  void flash(HWND window) override;

 private:
  // From the system folder only, never from the program's or the current folder.
  HMODULE loadSystemLibrary(const wchar_t* name) const;

  LibraryLoader load_;
  SystemCalls calls_;
  using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
  HtmlHelpFn htmlHelpW_ = nullptr;
  using NotifyIconFn = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
  NotifyIconFn notifyIconA_ = nullptr;
  // Declared last, so that they are freed after everything above is done with them.
  OwnedModule helpLibrary_;   // loaded at the first help call, not at start
  OwnedModule shellLibrary_;  // loaded at the first tray call, not at start
};

}  // namespace zozi::ui
