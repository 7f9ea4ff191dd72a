#include "ConverterArguments.h"

#include <optional>
#include <string_view>

namespace {

enum class Option { Help, Version, Dtx };

struct OptionName {
  std::string_view name;
  Option option;
};

constexpr OptionName kOptions[] = {
    {"--help", Option::Help},       {"-h", Option::Help},   {"/?", Option::Help},
    {"--version", Option::Version}, {"--dtx", Option::Dtx},
};

std::optional<Option> FindOption(std::string_view word) {
  for (const OptionName& entry : kOptions) {
    if (entry.name == word) return entry.option;
  }
  return std::nullopt;
}

bool LooksLikeOption(std::string_view word) { return !word.empty() && (word[0] == '-' || word == "/?"); }

ParsedArguments Problem(UsageProblem::Kind kind, std::string word = {}) {
  ParsedArguments parsed;
  parsed.problem = {kind, std::move(word)};
  return parsed;
}

}  // namespace

ParsedArguments ParseConverterArguments(const std::vector<std::string>& words) {
  ParsedArguments parsed;
  ConverterRequest& request = parsed.request;
  size_t next = 0;
  bool help = false, version = false;

  // Options in the positions where no name can stand: before the operation
  // and after the last of its words.
  const auto takeOptions = [&]() -> std::optional<ParsedArguments> {
    for (; next < words.size() && LooksLikeOption(words[next]); ++next) {
      const std::optional<Option> option = FindOption(words[next]);
      if (!option) return Problem(UsageProblem::Kind::UnknownOption, words[next]);
      help |= *option == Option::Help;
      version |= *option == Option::Version;
      request.discontinuousTransmission |= *option == Option::Dtx;
    }
    return std::nullopt;
  };

  if (auto problem = takeOptions()) return *problem;
  if (help || version) {
    request.action = help ? ConverterRequest::Action::Help : ConverterRequest::Action::Version;
    return parsed;
  }
  if (next == words.size()) return Problem(UsageProblem::Kind::NoOperation);

  const std::string& operation = words[next++];
  if (operation == "amr2wav") {
    request.action = ConverterRequest::Action::AmrToWav;
  } else if (operation == "wav2amr") {
    request.action = ConverterRequest::Action::WavToAmr;
  } else {
    return Problem(UsageProblem::Kind::UnknownOperation, operation);
  }
  if (words.size() - next < 2) return Problem(UsageProblem::Kind::MissingNames);
  request.source = words[next++];
  request.target = words[next++];
  if (request.action == ConverterRequest::Action::WavToAmr) {
    if (next == words.size()) return Problem(UsageProblem::Kind::MissingMode);
    const std::optional<AmrMode> mode = ParseAmrMode(words[next]);
    if (!mode) return Problem(UsageProblem::Kind::BadMode, words[next]);
    request.mode = *mode;
    ++next;
  }

  if (auto problem = takeOptions()) return *problem;
  if (next < words.size()) return Problem(UsageProblem::Kind::ExtraWords, words[next]);
  if (help || version) return Problem(UsageProblem::Kind::ExtraWords, help ? "--help" : "--version");
  if (request.discontinuousTransmission && request.action != ConverterRequest::Action::WavToAmr) {
    return Problem(UsageProblem::Kind::DtxWithoutEncoding);
  }
  return parsed;
}
