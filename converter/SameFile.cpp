#include "SameFile.h"

#ifdef _WIN32
#include <windows.h>

#include "Utf8.h"
#else
#include <sys/stat.h>
#include <unistd.h>

#include <vector>
#endif

#ifdef _WIN32

namespace {

std::wstring FullPath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (size == 0) return path;
    if (size < full.size()) {
      full.resize(size);
      return full;
    }
    full.resize(size);
  }
}

bool SameIdentity(const std::wstring& first, const std::wstring& second) {
  BY_HANDLE_FILE_INFORMATION info[2];
  const std::wstring* paths[2] = {&first, &second};
  for (int i = 0; i < 2; ++i) {
    // No access asked for: this works on files that others hold open.
    const HANDLE file = CreateFileW(paths[i]->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const BOOL known = GetFileInformationByHandle(file, &info[i]);
    CloseHandle(file);
    if (!known) return false;
  }
  return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
         info[0].nFileIndexHigh == info[1].nFileIndexHigh && info[0].nFileIndexLow == info[1].nFileIndexLow;
}

}  // namespace

bool NameSameFile(const std::string& first, const std::string& second) {
  const std::wstring a = FullPath(WideFromUtf8(first)), b = FullPath(WideFromUtf8(second));
  // File names on Windows ignore letter case.
  if (CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
      CSTR_EQUAL) {
    return true;
  }
  return SameIdentity(a, b);
}

#else

namespace {

// Absolute, with "." and ".." resolved and repeated slashes merged; by text
// alone, so it also works for names that do not exist yet.
std::string NormalPath(const std::string& path) {
  std::string absolute = path;
  if (path.empty() || path[0] != '/') {
    std::vector<char> folder(4096);
    if (getcwd(folder.data(), folder.size()) != nullptr) absolute = std::string(folder.data()) + "/" + path;
  }
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= absolute.size()) {
    size_t end = absolute.find('/', start);
    if (end == std::string::npos) end = absolute.size();
    const std::string part = absolute.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string normal;
  for (const std::string& part : parts) normal += "/" + part;
  return normal.empty() ? "/" : normal;
}

}  // namespace

bool NameSameFile(const std::string& first, const std::string& second) {
  if (NormalPath(first) == NormalPath(second)) return true;
  struct stat a, b;
  return stat(first.c_str(), &a) == 0 && stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

#endif
