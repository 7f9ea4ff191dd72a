// Any source name, through the name rules and the parameter text, must come
// back as the same words from the command-line splitting the converter
// applies, and the target must never carry a folder.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "CommandLine.h"
#include "ConverterCommand.h"
#include "Utf8.h"
#include "ZarvoUnit1.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const auto direction = (data[0] & 1) ? ConversionDirection::WavToAmr : ConversionDirection::AmrToWav;
  // The text a system call would see: cut at the first NUL, as MakePChar does.
  const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string source = Utf8FromWide(MakePChar(typed));

  const std::string target = TargetNameFor(source, direction);
  if (target.find('\\') != std::string::npos) abort();
  if (ExtractNamePart(source, true).find('\\') != std::string::npos) abort();

  const auto words = SplitArguments(BuildConverterCommand(direction, source, target));
  const size_t expected = direction == ConversionDirection::WavToAmr ? 4 : 3;
  if (words.size() != expected) abort();
  if (words[0] != (direction == ConversionDirection::WavToAmr ? "wav2amr" : "amr2wav")) abort();
  if (words[1] != source || words[2] != target) abort();
  if (expected == 4 && words[3] != "MR102") abort();
  return 0;
}
