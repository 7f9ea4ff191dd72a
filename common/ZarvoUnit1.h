#pragma once
// Path and name helpers of the front end. Texts are UTF-8; the folder
// separator of names is the backslash, whatever the platform.
#include <string>
#include <string_view>

// The name part of Path (after its last backslash), with or without its
// last extension. A name that is nothing but an extension keeps it.
std::string ExtractNamePart(std::string_view path, bool withExtension);

// Text as the NUL-terminated wide buffer a system call takes; the receiver
// reads up to the first NUL, so the text is cut there.
std::wstring MakePChar(std::string_view text);

// Everything up to and including the last of the separators in path.
std::string FolderOfPath(std::string_view path, std::string_view separators = "\\:");

// The folder of the running program's own file, ending in its separator.
std::string ProgramFolder();
