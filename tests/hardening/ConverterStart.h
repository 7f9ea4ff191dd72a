#pragma once
// The real converter started the way the front end starts it: from one
// parameter text, in a current folder of the test's choosing. On Windows the
// text goes to CreateProcessW after the program's bare name, so the system's
// own parser splits it; natively it is split by our copy of those rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"

// Exit code -2: the converter had to be stopped (it hung).
ProgramRun StartConverter(const std::string& parameters, const std::filesystem::path& folder);

// The tone of a short recording: ToneWav(kToneSamples), 25 frames of 160
// samples, and the same encoded at MR102.
constexpr size_t kToneSamples = 4000;
std::vector<uint8_t> ToneAmrBytes();

// Whether path holds what the tone converts to, in the kind its name ends in.
::testing::AssertionResult HoldsTheTone(const std::filesystem::path& path);

// Temporary files of the converter left in folder (where the targets go).
std::vector<std::string> LeftoverTemporaries(const std::filesystem::path& folder);
