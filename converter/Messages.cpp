#include "Messages.h"

#include <cstdio>

#ifndef CONVERTER_VERSION
#define CONVERTER_VERSION "0"
#endif

namespace {

std::string Quoted(const std::string& name) { return "«" + name + "»"; }

}  // namespace

const char kPressAnyKey[] = "Нажмите любую клавишу...";

std::string FailureMessage(const ConversionFailure& failure) {
  const std::string file = Quoted(failure.file());
  const std::string& detail = failure.detail();
  switch (failure.kind()) {
    case FailureKind::SameFile:
      return "Исходный и конечный файл совпадают: " + file + "; файл оставлен как был.";
    case FailureKind::SourceNotFound:
      return "Файл " + file + " не найден.";
    case FailureKind::SourceIsFolder:
      return file + " — это папка, а не файл.";
    case FailureKind::SourceNoAccess:
      return "Нет доступа к файлу " + file + " (или он занят другой программой).";
    case FailureKind::SourceReadError:
      return "Ошибка чтения файла " + file + ".";
    case FailureKind::NotAmr:
      if (detail.empty()) return "Файл " + file + " — не AMR-файл.";
      return "Файл " + file + " — не AMR-файл, а " + detail + ".";
    case FailureKind::UnsupportedAmr:
      return "Файл " + file + " — многоканальный AMR; поддерживается только одноканальный.";
    case FailureKind::DamagedAmr:
      return "Файл " + file + " повреждён: в нём нет ни одного целого кадра AMR.";
    case FailureKind::NotWav:
      if (detail.empty()) return "Файл " + file + " — не WAV-файл.";
      return "Файл " + file + " — не WAV-файл, а " + detail + ".";
    case FailureKind::DamagedWav:
      return "Файл " + file + " повреждён или записан в неподдерживаемом виде WAV.";
    case FailureKind::TargetFolderMissing:
      return "Нельзя создать файл " + file + ": такой папки нет.";
    case FailureKind::TargetIsFolder:
      return "Нельзя записать файл " + file + ": это папка.";
    case FailureKind::TargetNoAccess:
      return "Нельзя записать файл " + file + ": нет доступа (или он занят другой программой).";
    case FailureKind::TargetDiskFull:
      return "Нельзя записать файл " + file + ": на диске не хватает места.";
    case FailureKind::TargetWriteError:
      return "Ошибка записи файла " + file + ".";
    case FailureKind::TooLongForWav:
      return "Запись слишком длинная для WAV-файла " + file + " (больше 4 ГБ).";
  }
  return "Ошибка: " + file + ".";
}

std::string UsageMessage(const UsageProblem& problem) {
  std::string reason;
  switch (problem.kind) {
    case UsageProblem::Kind::None:
    case UsageProblem::Kind::NoOperation:
      reason = "не указано действие (amr2wav или wav2amr)";
      break;
    case UsageProblem::Kind::UnknownOperation:
      reason = "неизвестное действие " + Quoted(problem.word) + " (нужно amr2wav или wav2amr)";
      break;
    case UsageProblem::Kind::UnknownOption:
      reason = "неизвестный параметр " + Quoted(problem.word);
      break;
    case UsageProblem::Kind::MissingNames:
      reason = "нужны имена исходного и конечного файлов";
      break;
    case UsageProblem::Kind::MissingMode:
      reason = "не указан режим AMR (например, MR102)";
      break;
    case UsageProblem::Kind::BadMode:
      reason = "неизвестный режим " + Quoted(problem.word) +
               "; допустимы MR475, MR515, MR59, MR67, MR74, MR795, MR102, MR122";
      break;
    case UsageProblem::Kind::ExtraWords:
      reason = "лишнее слово " + Quoted(problem.word) + " (имена с пробелами берут в кавычки)";
      break;
    case UsageProblem::Kind::DtxWithoutEncoding:
      reason = "--dtx относится только к wav2amr";
      break;
  }
  return "Неверная командная строка: " + reason + ". Справка: converter --help";
}

std::string DamageWarning(const std::string& sourceName, const AmrDamage& damage) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.2f", damage.atSeconds);
  std::string at = seconds;
  for (char& c : at) {
    if (c == '.') c = ',';
  }
  const char* what = damage.kind == AmrDamage::Kind::CutShort ? " обрывается на " : " повреждён с ";
  return "Внимание: файл " + Quoted(sourceName) + what + at + " с; записано всё, что до этого места.";
}

std::string HelpText() {
  return "Конвертер звука AMR <-> WAV.\n"
         "\n"
         "  converter amr2wav ИСТОЧНИК ЦЕЛЬ\n"
         "      AMR (AMR-NB или AMR-WB) в WAV: 16 бит, моно, 8000 Гц (AMR-WB: 16000 Гц).\n"
         "  converter wav2amr ИСТОЧНИК ЦЕЛЬ РЕЖИМ [--dtx]\n"
         "      WAV любого вида в AMR-NB. РЕЖИМ: MR475, MR515, MR59, MR67, MR74, MR795,\n"
         "      MR102 или MR122 (от 4,75 до 12,2 кбит/с). --dtx: прерывистая передача\n"
         "      (паузы кодируются шумом комфорта, файл меньше).\n"
         "  converter --help | --version\n"
         "\n"
         "Имена с пробелами берут в кавычки. Цель пишется целиком или не пишется вовсе:\n"
         "при ошибке прежний файл с тем же именем остаётся нетронутым.\n"
         "Код возврата: 0 - готово, 1 - конвертация не удалась, 2 - неверная командная строка.\n";
}

std::string VersionText() { return std::string("converter ") + CONVERTER_VERSION + "\n"; }
