#pragma once
// The stored description of the about window.
#include "Description.h"

extern const winui::FormRecord kForm2Description;

// The maker's addresses, as the links hand them to the shell.
extern const wchar_t kMakerWebAddress[];
extern const wchar_t kMakerMailLink[];
