// Another top-level window, standing in for another program's window: it counts the times it
// is activated.
#pragma once

#include <windows.h>

namespace zozi::test {

class Bystander {
 public:
  Bystander() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZoziTestBystander";
    RegisterClassW(&wc);
    hwnd = CreateWindowExW(0, wc.lpszClassName, L"Bystander", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                           10, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Bystander() { DestroyWindow(hwnd); }
  Bystander(const Bystander&) = delete;
  Bystander& operator=(const Bystander&) = delete;

  HWND hwnd = nullptr;
  int activations = 0;

 private:
  static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Bystander*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) ++self->activations;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
};

}  // namespace zozi::test
