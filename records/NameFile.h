#pragma once

#include "Journal.h"

#include <string>

// The holder's whole name in UTF-8, beside the holder file, which keeps the
// Windows-1252 spelling older copies read. Three lines: the whole name, then
// the score and the holder's name (in UTF-8) it was saved with, so that a
// record an older copy saved afterwards, which leaves this file as it was,
// is told apart; then the account that saved it, when it is known.
namespace records::names {

inline constexpr char Name[] = "nome-record.txt";

// The name file's bytes for a score file's and a holder file's bytes.
std::string text(const std::string& score, const std::string& holder, const std::string& name,
                 const std::string& account = {});
// The whole name when the pair's name file goes with its other two files;
// otherwise nothing, and the holder file is the name.
std::string whole(const Pair& pair);
// The account that saved the pair, when its name file goes with it and says.
std::string account(const Pair& pair);
// Windows-1252 bytes as UTF-8.
std::string utf8(const std::string& cp1252);

} // namespace records::names
