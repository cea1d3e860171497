#include "shell.h"

#include <cstring>

#include "handles.h"

namespace zozi::ui {

SystemShell::SystemShell() = default;

SystemShell::~SystemShell() {
  if (helpLibrary_) FreeLibrary(helpLibrary_);
  if (shellLibrary_) FreeLibrary(shellLibrary_);
}

int SystemShell::messageBox(HWND owner, const std::wstring& text, const std::wstring& title,
                            UINT style) {
  return MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

void SystemShell::beep() { MessageBeep(MB_ICONWARNING); }

bool SystemShell::setClipboardText(HWND owner, const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!block) return false;
  void* memory = GlobalLock(block.get());
  if (!memory) return false;
  std::memcpy(memory, text.c_str(), bytes);
  GlobalUnlock(block.get());

  if (!OpenClipboard(owner)) return false;
  bool done = false;
  if (EmptyClipboard()) {
    // The system owns the block only once SetClipboardData has taken it.
    done = SetClipboardData(CF_UNICODETEXT, block.get()) != nullptr;
    if (done) block.release();
  }
  CloseClipboard();
  return done;
}

HWND SystemShell::htmlHelp(HWND caller, const std::wstring& file, UINT command, DWORD_PTR data) {
  if (!helpLibrary_) {
    // From the system folder only, never from the program's or the current folder.
    helpLibrary_ = LoadLibraryExW(L"hhctrl.ocx", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!helpLibrary_) return nullptr;
    htmlHelpW_ = reinterpret_cast<HtmlHelpFn>(
        reinterpret_cast<void*>(GetProcAddress(helpLibrary_, "HtmlHelpW")));
  }
  if (!htmlHelpW_) return nullptr;
  return htmlHelpW_(caller, file.c_str(), command, data);
}

BOOL SystemShell::notifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  if (!shellLibrary_) {
    // The shell's library is large and only the tray needs it: loaded at the first tray call,
    // not at start, from the system folder only.
    shellLibrary_ = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!shellLibrary_) return FALSE;
    notifyIconA_ = reinterpret_cast<NotifyIconFn>(
        reinterpret_cast<void*>(GetProcAddress(shellLibrary_, "Shell_NotifyIconA")));
  }
  if (!notifyIconA_) return FALSE;
  return notifyIconA_(message, data);
}

}  // namespace zozi::ui
