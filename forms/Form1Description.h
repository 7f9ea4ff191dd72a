#pragma once
// The stored description of the main window.
#include "Description.h"

extern const winui::FormRecord kForm1Description;
