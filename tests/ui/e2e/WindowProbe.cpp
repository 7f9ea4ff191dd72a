// Answers the end-to-end script's questions about the windows on the
// desktop, one line each, into a result file (started inside a Wine
// desktop, a program's stdout does not reach the shell). The file appears
// whole, by a rename, once every answer is in:
//   window_probe OUT rect CAPTION        -> "left top right bottom visible" | "none"
//   window_probe OUT at X Y              -> caption of the top-level window at the point | "-"
//   window_probe OUT bare CAPTION        -> "x y": a screen point on the window's bare surface
//   window_probe OUT hole CAPTION OTHER  -> "x y": inside CAPTION's box, outside its shape, over OTHER
//   window_probe OUT kill CAPTION        -> "killed" | "none": ends that window's process
// Several questions may follow one another on one command line.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::wstring Caption(HWND hwnd) {
  wchar_t text[256] = L"";
  GetWindowTextW(hwnd, text, 256);
  return text;
}

// A window's box and shape on the screen, read once per question.
struct Shape {
  explicit Shape(HWND hwnd) : region(CreateRectRgn(0, 0, 0, 0)) {
    GetWindowRect(hwnd, &box);
    if (GetWindowRgn(hwnd, region) == ERROR) SetRectRgn(region, 0, 0, box.right - box.left, box.bottom - box.top);
  }
  ~Shape() { DeleteObject(region); }
  Shape(const Shape&) = delete;
  Shape& operator=(const Shape&) = delete;
  bool Contains(POINT screen) const {
    return PtInRect(&box, screen) && PtInRegion(region, screen.x - box.left, screen.y - box.top);
  }
  RECT box{};
  HRGN region;
};

// A point whose whole 7 x 7 neighbourhood satisfies test.
template <typename Test>
bool FindPoint(const RECT& box, Test test, POINT& found) {
  for (int y = box.top + 3; y < box.bottom - 3; ++y) {
    for (int x = box.left + 3; x < box.right - 3; ++x) {
      bool all = true;
      for (int dy = -3; dy <= 3 && all; ++dy)
        for (int dx = -3; dx <= 3 && all; ++dx) all = test(POINT{x + dx, y + dy});
      if (all) {
        found = {x, y};
        return true;
      }
    }
  }
  return false;
}

bool IsBare(HWND hwnd, const Shape& shape, POINT screen) {
  if (!shape.Contains(screen)) return false;
  POINT client = screen;
  ScreenToClient(hwnd, &client);
  return ChildWindowFromPointEx(hwnd, client, CWP_SKIPINVISIBLE) == hwnd;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: window_probe OUT QUESTION...\n");
    return 2;
  }
  const std::wstring partial = std::wstring(argv[1]) + L".part";
  FILE* out = _wfopen(partial.c_str(), L"w");
  if (out == nullptr) return 2;
  for (int i = 2; i < argc; ++i) {
    const std::wstring question = argv[i];
    if (question == L"rect" && i + 1 < argc) {
      HWND hwnd = FindWindowW(nullptr, argv[++i]);
      RECT r;
      if (hwnd && GetWindowRect(hwnd, &r))
        std::fprintf(out, "%ld %ld %ld %ld %d\n", r.left, r.top, r.right, r.bottom, IsWindowVisible(hwnd) ? 1 : 0);
      else
        std::fprintf(out, "none\n");
    } else if (question == L"at" && i + 2 < argc) {
      POINT p = {_wtoi(argv[i + 1]), _wtoi(argv[i + 2])};
      i += 2;
      HWND hwnd = WindowFromPoint(p);
      HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
      const std::wstring caption = root ? Caption(root) : L"";
      // Captions travel as UTF-8 so that the script can compare them.
      char utf8[512] = "-";
      if (!caption.empty()) WideCharToMultiByte(CP_UTF8, 0, caption.c_str(), -1, utf8, sizeof(utf8), nullptr, nullptr);
      std::fprintf(out, "%s\n", utf8);
    } else if (question == L"bare" && i + 1 < argc) {
      HWND hwnd = FindWindowW(nullptr, argv[++i]);
      POINT p;
      bool found = false;
      if (hwnd) {
        const Shape shape(hwnd);
        found = FindPoint(
            shape.box, [&](POINT q) { return IsBare(hwnd, shape, q); }, p);
      }
      if (found)
        std::fprintf(out, "%ld %ld\n", p.x, p.y);
      else
        std::fprintf(out, "none\n");
    } else if (question == L"hole" && i + 2 < argc) {
      HWND hwnd = FindWindowW(nullptr, argv[i + 1]);
      HWND other = FindWindowW(nullptr, argv[i + 2]);
      i += 2;
      POINT p;
      bool found = false;
      RECT otherBox{}, both{};
      if (hwnd && other && GetWindowRect(other, &otherBox)) {
        const Shape shape(hwnd);
        found =
            IntersectRect(&both, &shape.box, &otherBox) && FindPoint(
                                                               both, [&](POINT q) { return !shape.Contains(q); }, p);
      }
      if (found)
        std::fprintf(out, "%ld %ld\n", p.x, p.y);
      else
        std::fprintf(out, "none\n");
    } else if (question == L"kill" && i + 1 < argc) {
      HWND hwnd = FindWindowW(nullptr, argv[++i]);
      DWORD id = 0;
      if (hwnd) GetWindowThreadProcessId(hwnd, &id);
      HANDLE process = id ? OpenProcess(PROCESS_TERMINATE, FALSE, id) : nullptr;
      std::fprintf(out, process && TerminateProcess(process, 1) ? "killed\n" : "none\n");
      if (process) CloseHandle(process);
    } else {
      std::fprintf(out, "bad question\n");
    }
  }
  std::fclose(out);
  return MoveFileExW(partial.c_str(), argv[1], MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
