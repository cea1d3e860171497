// A scripted stand-in for the platform seam: records every call, answers message boxes from a
// script, and uses the real clipboard unless told that another program holds it.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "shell.h"

namespace zozi::test {

struct BoxCall {
  HWND owner;
  std::wstring text;
  std::wstring title;
  UINT style;
};

struct HelpCall {
  HWND caller;
  std::wstring file;
  UINT command;
  DWORD_PTR data;
};

struct TrayCall {
  DWORD message;
  NOTIFYICONDATAA data;  // as passed, byte for byte
};

class FakeShell : public ui::Shell {
 public:
  int messageBox(HWND owner, const std::wstring& text, const std::wstring& title,
                 UINT style) override {
    boxes.push_back({owner, text, title, style});
    events.push_back(L"box");
    if (onBox) onBox(boxes.back());
    if (answers.empty()) return (style & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void beep() override {
    ++beeps;
    events.push_back(L"beep");
  }
  bool setClipboardText(HWND owner, const std::wstring& text) override {
    clipboardCalls.push_back(text);
    if (clipboardBusy) return false;
    return real_.setClipboardText(owner, text);
  }
  HWND htmlHelp(HWND caller, const std::wstring& file, UINT command, DWORD_PTR data) override {
    helpCalls.push_back({caller, file, command, data});
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

  // Script.
  std::deque<int> answers;      // next message-box answers; default: IDOK, or IDNO for Yes/No
  bool clipboardBusy = false;   // another program holds the clipboard
  std::deque<bool> refuseAdds;  // next NIM_ADD results: true = refused
  bool useRealTray = false;
  std::function<void(const BoxCall&)> onBox;  // runs while the box is "open"

  // Record.
  std::vector<BoxCall> boxes;
  std::vector<std::wstring> events;  // "box" and "beep", in order
  int beeps = 0;
  std::vector<std::wstring> clipboardCalls;
  std::vector<HelpCall> helpCalls;
  std::vector<TrayCall> trayCalls;

 private:
  ui::SystemShell real_;
};

}  // namespace zozi::test
