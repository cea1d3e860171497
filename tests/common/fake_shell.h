// A scripted stand-in for the platform seam: records every call, answers message boxes from a
// script, and uses the real clipboard unless told that another program holds it.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "notice.h"
#include "shell.h"

namespace zozi::test {

using zozi::ClipboardResult;
using zozi::Notice;
using zozi::NoticeButtons;
using zozi::NoticeIcon;

struct BoxCall {
  HWND owner;
  std::wstring text;
  std::wstring title;
  UINT style;
};

struct HelpCall {
  HWND owner;
  std::wstring file;
};

struct TrayCall {
  DWORD message;
  NOTIFYICONDATAA data;  // as passed, byte for byte
};

class FakeShell : public ui::Shell {
 public:
  int show(HWND owner, const Notice& notice) override {
    notices.push_back(notice);
    if (notice.beepFirst) {
      ++beeps;
      events.push_back(L"beep");
    }
    boxes.push_back({owner, wide(notice.text), wide(notice.title), ui::noticeStyle(notice)});
    events.push_back(L"box");
    // A real box disables its owner while it is open. Where that takes the focus from the
    // owner's controls (older Wine and other window managers do; current Wine does not), the
    // focus is gone when the box appears: the fake does both, so the program must cope.
    const bool disable = boxDisablesOwner && owner && IsWindowEnabled(owner);
    if (disable) {
      EnableWindow(owner, FALSE);
      SetFocus(nullptr);
    }
    if (onBox) onBox(boxes.back());
    if (disable) EnableWindow(owner, TRUE);
    if (answers.empty()) return notice.buttons == NoticeButtons::YesNo ? IDNO : IDOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  ClipboardResult setClipboardText(HWND owner, const std::wstring& text) override {
    clipboardCalls.push_back(text);
    if (clipboardFailure != ClipboardResult::Copied) return clipboardFailure;
    return real_.setClipboardText(owner, text);
  }
  HWND openHelp(HWND owner, const std::wstring& file) override {
    helpCalls.push_back({owner, file});
    return nullptr;
  }
  BOOL notifyIcon(DWORD message, NOTIFYICONDATAA* data) override {
    trayCalls.push_back({message, *data});
    if (useRealTray) return real_.notifyIcon(message, data);
    if (message == NIM_ADD && !refuseAdds.empty()) {
      const bool refuse = refuseAdds.front();
      refuseAdds.pop_front();
      if (refuse) return FALSE;
    }
    return TRUE;
  }

  bool highContrast() override { return highContrastOn; }
  bool screenReader() override { return screenReaderOn; }
  RECT workArea(HWND window) override {
    // The monitors as scripted: a window is on the one that holds the centre of its frame,
    // else on the first (the primary); no window, on the primary. Without a script, the real
    // screen's.
    if (monitors.empty()) return real_.workArea(window);
    RECT frame{};
    if (window && GetWindowRect(window, &frame)) {
      const POINT centre{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
      for (const RECT& work : monitors) {
        if (PtInRect(&work, centre)) return work;
      }
    }
    return monitors.front();
  }
  void flash(HWND window) override { flashes.push_back(window); }

  // Script.
  bool highContrastOn = false;   // the system's high-contrast mode
  bool screenReaderOn = false;   // a screen reader is running
  bool boxDisablesOwner = true;  // and takes the focus from its controls while it is open
  std::deque<int> answers;       // next message-box answers; default: IDOK, or IDNO for Yes/No
  // The copy's failure to report instead of copying to the real clipboard (Copied: none), as
  // SystemShell reports it (shell.h says what each means).
  ClipboardResult clipboardFailure = ClipboardResult::Copied;
  std::deque<bool> refuseAdds;  // next NIM_ADD results: true = refused
  bool useRealTray = false;
  // The monitors' work areas, the primary first; empty: the real screen's.
  std::vector<RECT> monitors;
  std::function<void(const BoxCall&)> onBox;  // runs while the box is "open"

  // Record: the notices, and each as the box the user sees (wide text, and the buttons and icon
  // as the style bits the real shell gives the message box).
  std::vector<Notice> notices;
  std::vector<BoxCall> boxes;
  std::vector<std::wstring> events;  // "box" and "beep", in order
  int beeps = 0;
  std::vector<std::wstring> clipboardCalls;
  std::vector<HelpCall> helpCalls;
  std::vector<TrayCall> trayCalls;
  std::vector<HWND> flashes;  // the windows flashed, in order

 private:
  static std::wstring wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    std::wstring out(utf8.size(), L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                      out.data(), static_cast<int>(out.size()));
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
  }

  ui::SystemShell real_;
};

}  // namespace zozi::test
