#pragma once
// The request the front end hands to the converter: direction, target name
// and the parameter text.
#include <string>
#include <string_view>

enum class ConversionDirection { AmrToWav, WavToAmr };

// The bare source name without its extension, plus ".wav" or ".amr".
std::string TargetNameFor(std::string_view source, ConversionDirection direction);

// "amr2wav SOURCE TARGET" or "wav2amr SOURCE TARGET MR102"; names with
// blanks, tabs or quotes are quoted so that they stay one word each.
std::string BuildConverterCommand(ConversionDirection direction, std::string_view source, std::string_view target);

// One argument as the Windows command-line parser (CommandLineToArgvW) will
// read it back: unchanged unless it holds a blank, a tab or a quote.
std::string QuoteArgument(std::string_view argument);
