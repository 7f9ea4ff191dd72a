#pragma once
// The whole converter but the process entry: words in, lines out, the exit
// code back (0 done, 1 the conversion failed, 2 a usage error).
#include <string>
#include <vector>

#include "Console.h"

int RunConverter(const std::vector<std::string>& words, Console& console);

// RunConverter, and on failure in a console of its own, the wait for a key.
int ConverterMain(const std::vector<std::string>& words, Console& console);
