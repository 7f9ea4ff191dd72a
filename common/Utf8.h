#pragma once
// Texts are UTF-8 everywhere in our code; wide text is only for the system's
// wide API. On Windows wchar_t holds UTF-16, elsewhere one code point each.
// Lone UTF-16 surrogates travel as three-byte sequences (WTF-8), so any
// Windows file name survives the round trip.
#include <string>
#include <string_view>

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
