#pragma once
// What the converter tells its user: one Russian line each, naming the
// file and the reason.
#include <string>

#include "AmrToWav.h"
#include "ConversionFailure.h"
#include "ConverterArguments.h"

std::string FailureMessage(const ConversionFailure& failure);
std::string UsageMessage(const UsageProblem& problem);
std::string DamageWarning(const std::string& sourceName, const AmrDamage& damage);
std::string HelpText();
std::string VersionText();
extern const char kPressAnyKey[];
