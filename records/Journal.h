#pragma once

#include <optional>
#include <string>

namespace records {

// What a save is about to write: the score file's and the holder file's
// bytes, and the name file's (names::text), which older copies never write.
struct Pair {
    std::string score;
    std::string holder;
    std::string name;
};

// The intent file of a save: written and synced before either record file is
// touched, so that a save cut short can be finished at the next start.
namespace journal {

inline constexpr char Name[] = "corvalesta.journal";
// Larger parts are refused: nobody types a name of a megabyte.
inline constexpr std::size_t MaxPart = 1 << 20;

std::string encode(const Pair& pair);
// Nothing when the bytes are not a whole journal: cut short, torn or foreign.
std::optional<Pair> decode(const std::string& bytes);
// What a journal holds between saves: a mark never written before, so that a
// reader who sees the same journal before and after reading the files knows
// that no save ran in between.
std::string restMark();

} // namespace journal
} // namespace records
