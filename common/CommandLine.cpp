#include "CommandLine.h"

// Follows CommandLineToArgvW: 2n backslashes before a quote give n and the
// quote toggles quoting; 2n+1 give n and a literal quote; other backslashes
// are literal; inside quotes a doubled quote is a literal quote.
std::vector<std::string> SplitArguments(std::string_view s) {
  std::vector<std::string> words;
  size_t i = 0;
  const auto blank = [&](size_t k) { return s[k] == ' ' || s[k] == '\t'; };
  while (i < s.size() && blank(i)) ++i;
  if (i == s.size()) return words;
  std::string word;
  int quotes = 0;
  size_t backslashes = 0;
  while (i < s.size()) {
    const char c = s[i];
    if (blank(i) && quotes == 0) {
      words.push_back(std::move(word));
      word.clear();
      while (i < s.size() && blank(i)) ++i;
      backslashes = 0;
      if (i == s.size()) return words;
      continue;
    }
    if (c == '\\') {
      word += c;
      ++backslashes;
      ++i;
      continue;
    }
    if (c == '"') {
      if (backslashes % 2 == 0) {
        word.resize(word.size() - backslashes / 2);
        ++quotes;
      } else {
        word.resize(word.size() - backslashes / 2 - 1);
        word += '"';
      }
      backslashes = 0;
      ++i;
      // qcount counts the opening quote and the one just read; three in a
      // row make a literal quote.
      while (i < s.size() && s[i] == '"') {
        if (++quotes == 3) {
          word += '"';
          quotes = 0;
        }
        ++i;
      }
      if (quotes == 2) quotes = 0;
      continue;
    }
    backslashes = 0;
    word += c;
    ++i;
  }
  words.push_back(std::move(word));
  return words;
}
