#pragma once
// The converter's command line, the words after the program's name:
//   amr2wav SOURCE TARGET
//   wav2amr SOURCE TARGET MODE [--dtx]
//   --help | --version
// Options stand only where no name is expected, so a name that begins with
// "-" stays a name.
#include <string>
#include <vector>

#include "AmrEncoder.h"

struct ConverterRequest {
  enum class Action { Help, Version, AmrToWav, WavToAmr } action = Action::Help;
  std::string source;
  std::string target;
  AmrMode mode = AmrMode::MR102;
  bool discontinuousTransmission = false;
};

struct UsageProblem {
  enum class Kind {
    None,
    NoOperation,
    UnknownOperation,  // word: the operation given
    UnknownOption,     // word: the option
    MissingNames,
    MissingMode,
    BadMode,     // word: the mode given
    ExtraWords,  // word: the first one too many
    DtxWithoutEncoding,
  } kind = Kind::None;
  std::string word;
};

struct ParsedArguments {
  ConverterRequest request;
  UsageProblem problem;  // Kind::None when the request holds
};

ParsedArguments ParseConverterArguments(const std::vector<std::string>& words);
