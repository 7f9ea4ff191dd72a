#include "ConverterRun.h"

#include <new>

#include "AmrToWav.h"
#include "ConverterArguments.h"
#include "Messages.h"
#include "ProgressLine.h"
#include "SameFile.h"
#include "SourceFile.h"
#include "TargetFile.h"
#include "WavToAmr.h"

namespace {

void Convert(const ConverterRequest& request, Console& console, ProgressLine& progress) {
  // Checked before anything is read: with the front end's names, this is
  // how "wav2amr voice.amr voice.amr" comes, and that file must survive.
  if (NameSameFile(request.source, request.target)) throw ConversionFailure(FailureKind::SameFile, request.source);
  SourceFile source(request.source);
  TargetFile target(request.target);
  if (request.action == ConverterRequest::Action::AmrToWav) {
    const AmrToWavOutcome outcome = ConvertAmrToWav(source, request.source, target, request.target, &progress);
    target.Commit();
    progress.Clear();
    if (outcome.damage) console.WriteError(DamageWarning(request.source, *outcome.damage) + "\n");
  } else {
    WavToAmrOptions options;
    options.mode = request.mode;
    options.discontinuousTransmission = request.discontinuousTransmission;
    ConvertWavToAmr(source, request.source, target, options, &progress);
    target.Commit();
    progress.Clear();
  }
}

}  // namespace

int RunConverter(const std::vector<std::string>& words, Console& console) {
  const ParsedArguments parsed = ParseConverterArguments(words);
  if (parsed.problem.kind != UsageProblem::Kind::None) {
    console.WriteError(UsageMessage(parsed.problem) + "\n");
    return 2;
  }
  switch (parsed.request.action) {
    case ConverterRequest::Action::Help:
      console.WriteOut(HelpText());
      return 0;
    case ConverterRequest::Action::Version:
      console.WriteOut(VersionText());
      return 0;
    default:
      break;
  }
  ProgressLine progress(console);
  try {
    Convert(parsed.request, console, progress);
    return 0;
  } catch (const ConversionFailure& failure) {
    progress.Clear();
    console.WriteError(FailureMessage(failure) + "\n");
  } catch (const std::bad_alloc&) {
    progress.Clear();
    console.WriteError("Не хватает памяти для конвертации «" + parsed.request.source + "».\n");
  } catch (const std::exception& error) {
    progress.Clear();
    console.WriteError("Внутренняя ошибка при конвертации «" + parsed.request.source + "»: " + error.what() + "\n");
  }
  return 1;
}

int ConverterMain(const std::vector<std::string>& words, Console& console) {
  const int code = RunConverter(words, console);
  if (code != 0 && console.IsOwnConsole()) {
    console.WriteError(kPressAnyKey);
    console.WaitForKey();
    console.WriteError("\n");
  }
  return code;
}
