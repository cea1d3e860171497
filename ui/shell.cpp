#include "shell.h"

#include <cstring>
#include <cwchar>

#include "handles.h"
#include "wide_text.h"

namespace zozi::ui {

namespace {

constexpr UINT kHtmlHelpCloseAll = 0x12;  // HH_CLOSE_ALL

HMODULE loadLibrary(const wchar_t* name, DWORD flags) {
  return LoadLibraryExW(name, nullptr, flags);
}

}  // namespace

SystemShell::SystemShell(LibraryLoader load) : load_(load ? load : &loadLibrary) {}

SystemShell::~SystemShell() {
  // The help windows go before the library that drives them.
  if (htmlHelpW_) htmlHelpW_(nullptr, nullptr, kHtmlHelpCloseAll, 0);
}

HMODULE SystemShell::loadSystemLibrary(const wchar_t* name) const {
  if (HMODULE module = load_(name, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
  // Windows 7 without its loader update does not know the flag: name the file by its full path
  // in the system folder instead.
  if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  wchar_t path[MAX_PATH];
  const UINT length = GetSystemDirectoryW(path, MAX_PATH);
  const std::size_t nameLength = std::wcslen(name);
  if (length == 0 || length + 1 + nameLength >= MAX_PATH) return nullptr;
  path[length] = L'\\';
  std::memcpy(path + length + 1, name, (nameLength + 1) * sizeof(wchar_t));
  return load_(path, 0);
}

UINT noticeStyle(const Notice& notice) {
  UINT style = notice.buttons == NoticeButtons::YesNo ? MB_YESNO : MB_OK;
  switch (notice.icon) {
    case NoticeIcon::Exclamation:
      return style | MB_ICONEXCLAMATION;
    case NoticeIcon::Question:
      return style | MB_ICONQUESTION;
    case NoticeIcon::Information:
      return style | MB_ICONINFORMATION;
  }
  return style;
}

int SystemShell::show(HWND owner, const Notice& notice) {
  if (notice.beepFirst) MessageBeep(MB_ICONWARNING);
  return MessageBoxW(owner, widen(notice.text).c_str(), widen(notice.title).c_str(),
                     noticeStyle(notice));
}

ClipboardResult SystemShell::setClipboardText(HWND owner, const std::wstring& text) {
  // The memory is made ready before the clipboard is opened: a failure here leaves it untouched.
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!block) return ClipboardResult::NoMemory;
  void* memory = GlobalLock(block.get());
  if (!memory) return ClipboardResult::NoMemory;
  std::memcpy(memory, text.c_str(), bytes);
  GlobalUnlock(block.get());

  if (!OpenClipboard(owner)) return ClipboardResult::Busy;
  ClipboardResult result = ClipboardResult::Busy;
  if (EmptyClipboard()) {
    // The system owns the block only once SetClipboardData has taken it.
    if (SetClipboardData(CF_UNICODETEXT, block.get())) {
      block.release();
      result = ClipboardResult::Copied;
    } else {
      result = ClipboardResult::Emptied;
    }
  }
  CloseClipboard();
  return result;
}

HWND SystemShell::htmlHelp(HWND caller, const std::wstring& file, UINT command, DWORD_PTR data) {
  if (!helpLibrary_) {
    helpLibrary_.reset(loadSystemLibrary(L"hhctrl.ocx"));
    if (!helpLibrary_) return nullptr;
    htmlHelpW_ = reinterpret_cast<HtmlHelpFn>(
        reinterpret_cast<void*>(GetProcAddress(helpLibrary_.get(), "HtmlHelpW")));
  }
  if (!htmlHelpW_) return nullptr;
  return htmlHelpW_(caller, file.c_str(), command, data);
}

BOOL SystemShell::notifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  if (!shellLibrary_) {
    // The shell's library is large and only the tray needs it: loaded at the first tray call,
    // not at start.
    shellLibrary_.reset(loadSystemLibrary(L"shell32.dll"));
    if (!shellLibrary_) return FALSE;
    notifyIconA_ = reinterpret_cast<NotifyIconFn>(
        reinterpret_cast<void*>(GetProcAddress(shellLibrary_.get(), "Shell_NotifyIconA")));
  }
  if (!notifyIconA_) return FALSE;
  return notifyIconA_(message, data);
}

bool SystemShell::highContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool SystemShell::screenReader() {
  BOOL running = FALSE;
  return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

}  // namespace zozi::ui
