#include "shell.h"

#include <cstring>
#include <cwchar>

#include "handles.h"
#include "wide_text.h"

namespace zozi::ui {

namespace {

constexpr UINT kHtmlHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC
constexpr UINT kHtmlHelpCloseAll = 0x12;   // HH_CLOSE_ALL

// The message box for each kind of notice: its buttons and its icon.
struct NoticeStyle {
  NoticeButtons buttons;
  NoticeIcon icon;
  UINT style;
};
constexpr NoticeStyle kNoticeStyles[] = {
    {NoticeButtons::Ok, NoticeIcon::Exclamation, MB_OK | MB_ICONEXCLAMATION},
    {NoticeButtons::Ok, NoticeIcon::Question, MB_OK | MB_ICONQUESTION},
    {NoticeButtons::Ok, NoticeIcon::Information, MB_OK | MB_ICONINFORMATION},
    {NoticeButtons::YesNo, NoticeIcon::Exclamation, MB_YESNO | MB_ICONEXCLAMATION},
    {NoticeButtons::YesNo, NoticeIcon::Question, MB_YESNO | MB_ICONQUESTION},
    {NoticeButtons::YesNo, NoticeIcon::Information, MB_YESNO | MB_ICONINFORMATION},
};

HMODULE loadLibrary(const wchar_t* name, DWORD flags) {
  return LoadLibraryExW(name, nullptr, flags);
}

// The text's memory block until the clipboard takes it: freed once, by the calls that made it,
// on every path where the system did not take it.
class ClipboardBlock {
 public:
  ClipboardBlock(const SystemCalls& calls, SIZE_T bytes)
      : calls_(calls), block_(calls.globalAlloc(GMEM_MOVEABLE, bytes)) {}
  ~ClipboardBlock() {
    if (block_) calls_.globalFree(block_);
  }
  ClipboardBlock(const ClipboardBlock&) = delete;
  ClipboardBlock& operator=(const ClipboardBlock&) = delete;

  HGLOBAL get() const { return block_; }
  // The clipboard owns it now.
  void handOver() { block_ = nullptr; }

 private:
  const SystemCalls& calls_;
  HGLOBAL block_;
};

}  // namespace

SystemShell::SystemShell(LibraryLoader load, const SystemCalls& calls)
    : load_(load ? load : &loadLibrary), calls_(calls) {}

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
  for (const NoticeStyle& row : kNoticeStyles) {
    if (row.buttons == notice.buttons && row.icon == notice.icon) return row.style;
  }
  return MB_OK;
}

int SystemShell::show(HWND owner, const Notice& notice) {
  if (notice.beepFirst) calls_.messageBeep(MB_ICONWARNING);
  return calls_.messageBox(owner, widen(notice.text).c_str(), widen(notice.title).c_str(),
                           noticeStyle(notice));
}

ClipboardResult SystemShell::setClipboardText(HWND owner, const std::wstring& text) {
  // The memory is made ready before the clipboard is opened: a failure here leaves it untouched.
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  ClipboardBlock block(calls_, bytes);
  if (!block.get()) return ClipboardResult::NoMemory;
  void* memory = calls_.globalLock(block.get());
  if (!memory) return ClipboardResult::NoMemory;
  std::memcpy(memory, text.c_str(), bytes);
  calls_.globalUnlock(block.get());

  if (!calls_.openClipboard(owner)) return ClipboardResult::Busy;
  ClipboardResult result = ClipboardResult::NotCleared;
  if (calls_.emptyClipboard()) {
    // The system owns the block only once SetClipboardData has taken it.
    if (calls_.setClipboardData(CF_UNICODETEXT, block.get())) {
      block.handOver();
      result = ClipboardResult::Copied;
    } else {
      result = ClipboardResult::Emptied;
    }
  }
  calls_.closeClipboard();
  return result;
}

HWND SystemShell::openHelp(HWND owner, const std::wstring& file) {
  if (!helpLibrary_) {
    helpLibrary_.reset(loadSystemLibrary(L"hhctrl.ocx"));
    if (!helpLibrary_) return nullptr;
    htmlHelpW_ = reinterpret_cast<HtmlHelpFn>(
        reinterpret_cast<void*>(calls_.getProcAddress(helpLibrary_.get(), "HtmlHelpW")));
  }
  if (!htmlHelpW_) return nullptr;
  // The file's default topic.
  return htmlHelpW_(owner, file.c_str(), kHtmlHelpDisplayTopic, 0);
}

BOOL SystemShell::notifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  if (!shellLibrary_) {
    // The shell's library is large and only the tray needs it: loaded at the first tray call,
    // not at start.
    shellLibrary_.reset(loadSystemLibrary(L"shell32.dll"));
    if (!shellLibrary_) return FALSE;
    notifyIconA_ = reinterpret_cast<NotifyIconFn>(
        reinterpret_cast<void*>(calls_.getProcAddress(shellLibrary_.get(), "Shell_NotifyIconA")));
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

RECT SystemShell::workArea(HWND window) {
  const HMONITOR monitor = window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                                  : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  return info.rcWork;
}

void SystemShell::flash(HWND window) {
  FLASHWINFO flashing{sizeof flashing, window, FLASHW_CAPTION, 3, 0};
  FlashWindowEx(&flashing);
}

}  // namespace zozi::ui
