// The narrow seam between the windows and the calls that block or reach outside them:
// message boxes, the beep, the clipboard, the help system and the tray. Production uses
// SystemShell; tests script the answers and record the calls.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "handles.h"
#include "notice.h"

namespace zozi::ui {

// The style of the message box that shows a notice: its buttons and its icon.
UINT noticeStyle(const Notice& notice);

class Shell {
 public:
  virtual ~Shell() = default;
  // Shows the notice in a modal message box, after the system's warning sound where the notice
  // asks for one. Returns the button pressed (IDOK, IDYES, IDNO).
  virtual int show(HWND owner, const Notice& notice) = 0;
  // Replaces the clipboard's contents with the text. A failure says what became of the
  // clipboard: kept as it was (Busy, NoMemory), or emptied when the text was refused after the
  // old contents had gone (Emptied).
  virtual ClipboardResult setClipboardText(HWND owner, const std::wstring& text) = 0;
  // Opens the compiled help file at the given full path.
  virtual HWND htmlHelp(HWND caller, const std::wstring& file, UINT command, DWORD_PTR data) = 0;
  virtual BOOL notifyIcon(DWORD message, NOTIFYICONDATAA* data) = 0;
  // Whether the system's high-contrast mode is on.
  virtual bool highContrast() = 0;
  // Whether a screen reader is running (it reads help texts from the tooltips).
  virtual bool screenReader() = 0;
};

// Loads a system library by name; the flags are LoadLibraryExW's.
using LibraryLoader = HMODULE (*)(const wchar_t* name, DWORD flags);

class SystemShell final : public Shell {
 public:
  explicit SystemShell(LibraryLoader load = nullptr);
  ~SystemShell() override;
  SystemShell(const SystemShell&) = delete;
  SystemShell& operator=(const SystemShell&) = delete;
  int show(HWND owner, const Notice& notice) override;
  ClipboardResult setClipboardText(HWND owner, const std::wstring& text) override;
  HWND htmlHelp(HWND caller, const std::wstring& file, UINT command, DWORD_PTR data) override;
  BOOL notifyIcon(DWORD message, NOTIFYICONDATAA* data) override;
  bool highContrast() override;
  bool screenReader() override;

 private:
  // From the system folder only, never from the program's or the current folder.
  HMODULE loadSystemLibrary(const wchar_t* name) const;

  LibraryLoader load_;
  using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
  HtmlHelpFn htmlHelpW_ = nullptr;
  using NotifyIconFn = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
  NotifyIconFn notifyIconA_ = nullptr;
  // Declared last, so that they are freed after everything above is done with them.
  OwnedModule helpLibrary_;   // loaded at the first help call, not at start
  OwnedModule shellLibrary_;  // loaded at the first tray call, not at start
};

}  // namespace zozi::ui
