#include "ConverterCommand.h"

#include "ZarvoUnit1.h"

std::string TargetNameFor(std::string_view source, ConversionDirection direction) {
  return ExtractNamePart(source, false) + (direction == ConversionDirection::AmrToWav ? ".wav" : ".amr");
}

std::string QuoteArgument(std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) {
    return std::string(argument);
  }
  // Backslashes are literal unless a quote follows them: only then (and
  // before the closing quote) are they doubled.
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      quoted.append(backslashes * 2 + 1, '\\');
    } else {
      quoted.append(backslashes, '\\');
    }
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  quoted += '"';
  return quoted;
}

std::string BuildConverterCommand(ConversionDirection direction, std::string_view source, std::string_view target) {
  const std::string names = QuoteArgument(source) + " " + QuoteArgument(target);
  return direction == ConversionDirection::AmrToWav ? "amr2wav " + names : "wav2amr " + names + " MR102";
}
