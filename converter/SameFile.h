#pragma once
// Whether two names lead to one file: the same path once made absolute and
// normalised, or the same file identity (device and inode; on Windows the
// volume serial number and the file index), which also sees links.
#include <string>

bool NameSameFile(const std::string& first, const std::string& second);
