#pragma once
// The rules by which Windows programs split their command line
// (CommandLineToArgvW), for the words after the program's name.
#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> SplitArguments(std::string_view parameters);
