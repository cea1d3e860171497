// The help file as the program meets it: built beside the executable, a real compiled help file
// with every page inside and the program's own texts in its pages, and opened by the help system
// into a window, both through the shell seam and through F1 in the main window.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "color_panel.h"
#include "controls.h"
#include "hint.h"
#include "notice.h"
#include "shell.h"
#include "window_closer.h"
#include "window_test.h"

namespace zozi::test {

// The storage behind the help system (itss.dll), to read the pages back out of the file. Declared
// outside the unnamed namespace: an interface type that no class of this file implements must
// not look, to the optimiser, like one that nothing could implement.
const CLSID kClsidITStorage = {
    0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
const IID kIidITStorage = {
    0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

struct IITStorage : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD,
                                                                 IStorage**) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD,
                                                   IStorage**) = 0;
};

namespace {

using namespace zozi::ui;

constexpr UINT kCloseAll = 0x0012;  // HH_CLOSE_ALL

// Every file that the contents, the index and the links of the pages rely on.
const char* const kPages[] = {"index.html",  "window.html",         "statement.html",
                              "colors.html", "icons.html",          "keyboard.html",
                              "tray.html",   "troubleshooting.html"};
const char* const kOtherFiles[] = {"style.css", "toc.hhc", "index.hhk"};

std::wstring helpFilePath() { return programFolder() + kHelpFileName; }

bool fileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string readFile(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool hhctrlLoaded() { return GetModuleHandleW(L"hhctrl.ocx") != nullptr; }

std::wstring titleOf(HWND hwnd) {
  wchar_t text[256]{};
  GetWindowTextW(hwnd, text, 256);
  return text;
}

// Ends the shell that opened the help window, whose end closes every help window it opened
// (HH_CLOSE_ALL), and checks that the window went with them. The test's own clean-up comes only
// after that: a window the shell left open is closed here, through the help system and then
// directly, while a reference of the test's own keeps the help library that drives it loaded.
void closeHelp(std::optional<SystemShell>& shell, HWND help) {
  HMODULE library = nullptr;
  GetModuleHandleExW(0, L"hhctrl.ocx", &library);
  shell.reset();
  const bool closed = pumpUntil([&] { return !IsWindow(help); }, 5000);
  EXPECT_TRUE(closed) << "the help window outlived the shell, which closes every help window";

  if (!closed && library) {
    using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    if (const auto htmlHelp = reinterpret_cast<HtmlHelpFn>(
            reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")))) {
      htmlHelp(nullptr, nullptr, kCloseAll, 0);
    }
    if (!pumpUntil([&] { return !IsWindow(help); }, 5000)) DestroyWindow(help);
  }
  if (library) FreeLibrary(library);
}

// The build skips the help file only on a machine without its compiler, and says so.
#ifdef ZOZI_HELP_FILE_NOT_BUILT
#define SKIP_WITHOUT_HELP_FILE() \
  GTEST_SKIP() << "the build found no chmcmd (Free Pascal's fp-utils), so made no help file"
#else
#define SKIP_WITHOUT_HELP_FILE() (void)0
#endif

// The scripted seam for message boxes, but the real help system, and the window it returned.
class RealHelpShell : public FakeShell {
 public:
  HWND openHelp(HWND owner, const std::wstring& file) override {
    FakeShell::openHelp(owner, file);
    lastHelpWindow = real ? real->openHelp(owner, file) : nullptr;
    return lastHelpWindow;
  }
  std::optional<SystemShell> real{std::in_place};
  HWND lastHelpWindow = nullptr;
};

// F1 first: the program must not have loaded the help system before its first help call.
class HelpWindowTest : public WindowTestWith<RealHelpShell> {
 protected:
  void SetUp() override {
    loadedBefore = hhctrlLoaded();
    WindowTestWith::SetUp();
  }
  bool loadedBefore = false;
};

TEST_F(HelpWindowTest, F1OpensTheFileBesideTheProgramAndLoadsTheHelpSystemOnlyThen) {
  SKIP_WITHOUT_HELP_FILE();
  if (!loadedBefore) {
    EXPECT_FALSE(hhctrlLoaded()) << "hhctrl.ocx was loaded at start, not at the first F1";
  }

  pressKey(item(kEntryText), VK_F1);
  ASSERT_TRUE(pumpUntil([&] { return !shell.helpCalls.empty(); }));
  ASSERT_EQ(shell.helpCalls.size(), 1u);
  const HelpCall& call = shell.helpCalls[0];
  EXPECT_EQ(call.owner, main());
  EXPECT_EQ(call.file, helpFilePath());
  EXPECT_TRUE(fileExists(call.file)) << "F1 names a file that is not there";
  EXPECT_TRUE(hhctrlLoaded());

  const HWND help = shell.lastHelpWindow;
  ASSERT_NE(help, nullptr) << "the help system opened no window for "
                           << std::string(call.file.begin(), call.file.end());
  EXPECT_TRUE(IsWindow(help));
  EXPECT_NE(help, main());
  EXPECT_TRUE(shell.boxes.empty());  // the program reports nothing about help

  closeHelp(shell.real, help);
  EXPECT_TRUE(IsWindow(main()));
  DestroyWindow(main());
}

TEST(HelpTest, SystemShellOpensTheFileInAWindowTitledFromTheFile) {
  SKIP_WITHOUT_HELP_FILE();
  std::optional<SystemShell> shell(std::in_place);
  const HWND help = shell->openHelp(nullptr, helpFilePath());
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(IsWindow(help));
  DWORD process = 0;
  GetWindowThreadProcessId(help, &process);
  EXPECT_EQ(process, GetCurrentProcessId());
  // The caption comes from the window definition inside the file: the help system read it.
  const std::wstring title = L"Corvel Editor Zozi Help";
  pumpUntil([&] { return titleOf(help) == title; });
  EXPECT_EQ(titleOf(help), title);
  closeHelp(shell, help);
}

// Without this the test above could pass on a help system that opens a window for anything.
// Wine's viewer returns at once; Windows' viewer may first show a modal "cannot open" box, which
// nobody would answer here, and the call would not return: the closer answers it.
TEST(HelpTest, SystemShellOpensNoWindowForAMissingFile) {
  std::optional<SystemShell> shell(std::in_place);
  const std::wstring missing = programFolder() + L"No_Such_Help_File.chm";
  ASSERT_FALSE(fileExists(missing));
  HWND help = nullptr;
  runClosingNewWindows([&] { help = shell->openHelp(nullptr, missing); });
  EXPECT_EQ(help, nullptr);
  if (help) closeHelp(shell, help);
}

// The closer on what Wine shows too: a Yes/No box (which WM_CLOSE does not close) and a plain
// window, both opened by the call, are closed and the call returns; the test's own window stays.
TEST(WindowCloserTest, ClosesTheWindowsTheCallOpensAndNoOther) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const HWND own =
      CreateWindowExW(0, L"STATIC", L"The test's own", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                      100, nullptr, nullptr, instance, nullptr);
  ASSERT_NE(own, nullptr);
  int answer = 0;
  bool plainClosed = false;
  const std::vector<ClosedWindow> closed = runClosingNewWindows(
      [&] {
        answer = MessageBoxW(nullptr, L"Nobody answers this.", L"A box of the call's",
                             MB_YESNO | MB_ICONQUESTION);
        const HWND plain = CreateWindowExW(0, L"STATIC", L"A window of the call's",
                                           WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                           nullptr, nullptr, instance, nullptr);
        plainClosed = pumpUntil([&] { return !IsWindow(plain); });
      },
      20000);
  EXPECT_TRUE(answer == IDYES || answer == IDNO) << "the box returned " << answer;
  EXPECT_TRUE(plainClosed);
  ASSERT_EQ(closed.size(), 2u);
  EXPECT_EQ(closed[0].className, L"#32770");
  EXPECT_EQ(closed[0].title, L"A box of the call's");
  EXPECT_EQ(closed[1].title, L"A window of the call's");
  EXPECT_TRUE(IsWindow(own) && IsWindowVisible(own)) << "the closer closed the test's own window";
  DestroyWindow(own);
}

TEST(HelpTest, TheFileIsACompiledHelpFileThatListsEveryPage) {
  SKIP_WITHOUT_HELP_FILE();
  ASSERT_TRUE(fileExists(helpFilePath())) << "the build did not put the help file beside the tests";
  const std::string bytes = readFile(helpFilePath());
  ASSERT_GE(bytes.size(), 0x60u);
  EXPECT_EQ(bytes.substr(0, 4), "ITSF");
  std::uint32_t version = 0;
  std::memcpy(&version, bytes.data() + 4, sizeof version);
  EXPECT_EQ(version, 3u);
  // The file's directory names each file with its path inside the file.
  for (const char* name : kPages) {
    EXPECT_NE(bytes.find(std::string("/") + name), std::string::npos) << name;
  }
  for (const char* name : kOtherFiles) {
    EXPECT_NE(bytes.find(std::string("/") + name), std::string::npos) << name;
  }
  // No binary index (/$WWKeywordLinks/): the viewer reads the index from index.hhk, above.
  for (const char* internal : {"/#SYSTEM", "/#WINDOWS", "/#TOPICS"}) {
    EXPECT_NE(bytes.find(internal), std::string::npos) << internal;
  }
}

class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT hr_;
};

template <typename T>
struct Released {
  T* p = nullptr;
  ~Released() {
    if (p) p->Release();
  }
};

// The text of one file inside the help file, decompressed by the system's own reader; empty
// when the file holds no such name.
std::string readInside(IStorage* storage, const char* name) {
  const std::wstring wide(name, name + std::strlen(name));
  Released<IStream> stream;
  if (FAILED(storage->OpenStream(wide.c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                 &stream.p))) {
    return {};
  }
  std::string text;
  char buffer[4096];
  ULONG got = 0;
  while (SUCCEEDED(stream.p->Read(buffer, sizeof buffer, &got)) && got > 0) {
    text.append(buffer, got);
  }
  return text;
}

// Collapses line breaks and runs of spaces, as the page shows them.
std::string flattened(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::string out;
  for (char c : text) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(kLineBreak, start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + std::strlen(kLineBreak);
  }
  return lines;
}

TEST(HelpTest, EveryPageReadsBackWithTheProgramsOwnTexts) {
  SKIP_WITHOUT_HELP_FILE();
  ComScope com;
  Released<IITStorage> its;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(kClsidITStorage, nullptr, CLSCTX_INPROC_SERVER,
                                            kIidITStorage, reinterpret_cast<void**>(&its.p)));
  const std::wstring path = helpFilePath();
  Released<IStorage> storage;
  ASSERT_HRESULT_SUCCEEDED(its.p->StgOpenStorage(
      path.c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, &storage.p));

  std::string all;
  for (const char* name : kPages) {
    const std::string page = readInside(storage.p, name);
    EXPECT_NE(page.find("<title>"), std::string::npos) << name << " is missing or no page";
    EXPECT_NE(page.find("</html>"), std::string::npos) << name << " is cut short";
    EXPECT_NE(page.find("href=\"style.css\""), std::string::npos) << name;
    // Nothing from outside the file: the help must work offline and from any folder.
    EXPECT_EQ(page.find("<script"), std::string::npos) << name;
    EXPECT_EQ(page.find("src=\"http"), std::string::npos) << name;
    EXPECT_EQ(page.find("href=\"http"), std::string::npos) << name;
    all += flattened(page) + "\n";
  }
  EXPECT_NE(readInside(storage.p, "style.css").find("font-family"), std::string::npos);
  const std::string contents = readInside(storage.p, "toc.hhc");
  for (const char* name : kPages) {
    EXPECT_NE(contents.find(std::string("\"") + name + "\""), std::string::npos)
        << name << " is not in the table of contents";
  }

  // Both statement forms, as Proceed writes them.
  EXPECT_NE(all.find("taskHint [localize \"Write your text here ...\", [1.0, 1.0, 1.0, 1.0], "
                     "\"taskNew\"]; "),
            std::string::npos);
  EXPECT_NE(all.find("taskHint [\"Write your text here ...\", [0.0, 1.0, 0.0, 1.0], "
                     "\"taskDone\"]; "),
            std::string::npos);
  // The warnings and questions the reader may meet, word for word as the program shows them.
  std::vector<std::string> lines;
  for (const Notice& notice :
       {emptyMessageWarning(ProceedTrigger::Button), emptyMessageWarning(ProceedTrigger::Menu),
        rejectedKeyWarning(), clipboardBusyWarning(), clipboardNotClearedWarning(),
        clipboardEmptiedWarning(), clipboardMemoryWarning(), exitQuestion(), clearLogQuestion()}) {
    for (const std::string& line : linesOf(notice.text)) lines.push_back(line);
  }
  lines.push_back(linesOf(copiedNotice().text).front());
  for (const std::string& line : lines) {
    EXPECT_NE(all.find(line), std::string::npos) << "not in the help: " << line;
  }
  // The facts a reader comes for.
  for (const char* fact :
       {"Restore Corvel Editor Zozi", "Corvel_Editor_Zazo_Help.chm", "0.75", "taskCurrent",
        "taskFailed", "Canceled writes &quot;taskFailed&quot;", "F1",
        "Ctrl</span>+<span "
        "class=\"key\">M",
        "Ctrl</span>+<span class=\"key\">C",
        // Enter and Esc in a colour field are refused characters, where the other pages say
        // that Esc does nothing.
        "and <span class=\"key\">Esc</span> too) is refused with this warning",
        "<span class=\"key\">Esc</span> are characters that the field refuses",
        "In a colour field in Manual mode both keys are refused characters"}) {
    EXPECT_NE(all.find(fact), std::string::npos) << "not in the help: " << fact;
  }
}

// The shell owns the two libraries it loads: a copy would free them twice.
static_assert(!std::is_copy_constructible_v<SystemShell> &&
              !std::is_copy_assignable_v<SystemShell>);

// Help windows still open when the shell goes are closed before the library that drives them is
// unloaded.
TEST(HelpTest, SystemShellClosesItsHelpWindowsBeforeItGoes) {
  SKIP_WITHOUT_HELP_FILE();
  HWND help = nullptr;
  {
    SystemShell shell;
    help = shell.openHelp(nullptr, helpFilePath());
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(help) != FALSE; }))
        << "the help window never showed";
  }
  // At once, before any message could reach a window whose library is gone.
  EXPECT_FALSE(IsWindow(help)) << "the help window outlived the help library";
}

// Loads as a system without LOAD_LIBRARY_SEARCH_SYSTEM32 does (Windows 7 before its loader
// update): the flag is refused with ERROR_INVALID_PARAMETER.
struct LoadCall {
  std::wstring name;
  DWORD flags;
};
std::vector<LoadCall> loads;
DWORD refusalError = ERROR_INVALID_PARAMETER;

HMODULE loadWithoutSearchFlags(const wchar_t* name, DWORD flags) {
  loads.push_back({name, flags});
  if (flags & LOAD_LIBRARY_SEARCH_SYSTEM32) {
    SetLastError(refusalError);
    return nullptr;
  }
  return LoadLibraryExW(name, nullptr, flags);
}

TEST(HelpTest, WithoutTheSearchFlagTheLibrariesAreLoadedByTheirFullSystemPath) {
  wchar_t folder[MAX_PATH]{};
  GetSystemDirectoryW(folder, MAX_PATH);
  const std::wstring system = folder;
  loads.clear();
  refusalError = ERROR_INVALID_PARAMETER;
  {
    SystemShell shell(&loadWithoutSearchFlags);
    NOTIFYICONDATAA none{};
    shell.notifyIcon(NIM_DELETE, &none);  // loads the shell's library
    // A missing file, so that no help window opens (and any box that says so is answered).
    runClosingNewWindows(
        [&] { shell.openHelp(nullptr, programFolder() + L"No_Such_Help_File.chm"); });
  }
  ASSERT_EQ(loads.size(), 4u);
  EXPECT_EQ(loads[0].name, L"shell32.dll");
  EXPECT_EQ(loads[0].flags, static_cast<DWORD>(LOAD_LIBRARY_SEARCH_SYSTEM32));
  EXPECT_EQ(loads[1].name, system + L"\\shell32.dll");
  EXPECT_EQ(loads[1].flags, 0u);
  EXPECT_EQ(loads[2].name, L"hhctrl.ocx");
  EXPECT_EQ(loads[3].name, system + L"\\hhctrl.ocx");
  EXPECT_EQ(loads[3].flags, 0u);

  // Any other failure is final: the library is not looked for anywhere else.
  loads.clear();
  refusalError = ERROR_MOD_NOT_FOUND;
  {
    SystemShell shell(&loadWithoutSearchFlags);
    NOTIFYICONDATAA none{};
    EXPECT_FALSE(shell.notifyIcon(NIM_DELETE, &none));
  }
  EXPECT_EQ(loads.size(), 1u);
}

}  // namespace
}  // namespace zozi::test
