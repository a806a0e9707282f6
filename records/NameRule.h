#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a name may hold, in one place for the name prompt, the record service
// and the class's results: a name stays the letters a child typed, so that a
// spreadsheet sees its real first character and nothing hides in it.
namespace records::names {

// The name with every invisible or format character (Unicode Cc and Cf) and
// every byte that is not UTF-8 dropped, line breaks, tabs and other spaces
// made plain blanks (U+0020), blanks trimmed at both ends, and at most
// rules::MaxNameChars characters kept. A semicolon becomes a comma: a
// spreadsheet that splits on semicolons (an Italian one) splits inside
// quotes too, and would take what follows for cells of their own.
std::string clean(std::string_view utf8);
// The code points of UTF-8 text; each byte that starts no valid sequence
// (overlong, a surrogate, past U+10FFFF, cut short) is a 0 of its own.
std::vector<char32_t> codePoints(std::string_view utf8);
// Appends the character in UTF-8.
void appendUtf8(std::string& out, char32_t c);
// The name in the holder file's code page (Windows-1252), when it holds every
// character of it.
std::optional<std::string> spelling(std::string_view utf8);

} // namespace records::names
