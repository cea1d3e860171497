// Waits until a visible message box with the given caption exists (of any process), prints its
// text in UTF-8 and presses its OK button, then exits 0; exits 1 after about 30 seconds without
// one.
//   message_box_answer CAPTION
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  HWND box = nullptr;
  for (int i = 0; i < 600; ++i) {
    box = FindWindowW(L"#32770", argv[1]);
    DWORD_PTR result = 0;
    if (box && IsWindowVisible(box) &&
        SendMessageTimeoutW(box, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result))
      break;
    box = nullptr;
    Sleep(50);
  }
  if (!box) return 1;

  wchar_t text[2048]{};
  GetDlgItemTextW(box, 0xFFFF, text, 2048);  // the message box's text control
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
  std::printf("%s\n", utf8.c_str());
  std::fflush(stdout);

  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  return 0;
}
