#include "ZarvoUnit1.h"

#include "Utf8.h"

#ifdef _WIN32
extern "C" __declspec(dllimport) unsigned long __stdcall GetModuleFileNameW(void* module, wchar_t* name,
                                                                            unsigned long size);
#else
#include <unistd.h>
#endif

#include <vector>

std::string ExtractNamePart(std::string_view path, bool withExtension) {
  const size_t slash = path.rfind('\\');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (withExtension) return std::string(name);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return std::string(name);
  return std::string(name.substr(0, dot));
}

std::wstring MakePChar(std::string_view text) {
  return WideFromUtf8(text.substr(0, text.find('\0')));
}

std::string FolderOfPath(std::string_view path, std::string_view separators) {
  const size_t cut = path.find_last_of(separators);
  return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

std::string ProgramFolder() {
#ifdef _WIN32
  // Long paths exceed MAX_PATH; grow until the name fits.
  std::vector<wchar_t> buffer(260);
  for (;;) {
    const unsigned long length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<unsigned long>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return FolderOfPath(Utf8FromWide({buffer.data(), length}));
    buffer.resize(buffer.size() * 2);
  }
#else
  std::vector<char> buffer(4096);
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) return {};
  return FolderOfPath({buffer.data(), static_cast<size_t>(length)}, "/");
#endif
}
