#pragma once
// The monkey's dice: one seeded generator for everything a run decides, so a seed replays the
// same catalogues, statements and input. Names are built to hit every quoting rule.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace monkey {

class MonkeyRandom {
  public:
    explicit MonkeyRandom(std::uint64_t seed) : engine(seed) {}

    // 0 .. n - 1; 0 when n <= 0.
    int Below(int n);
    // True with the given chance in percent.
    bool Percent(int chance) { return Below(100) < chance; }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

    // A table or column name: blanks, reserved words, digits, punctuation, grouping
    // characters, keywords of the statement, non-ASCII and invalid UTF-8, control bytes,
    // "{WHEN PRINTED}" in any case, now and then empty or very long. Never a tab or NUL.
    std::string Name();
    // What a user might type: pieces of names, quotes, operators' words.
    std::string Typed();
    // The pseudo name in a random letter case.
    std::string WhenPrinted();

  private:
    std::string Piece();
    std::string Word();
    std::string ReservedWord();
    std::string RandomCase(std::string text);

    std::mt19937_64 engine;
};

} // namespace monkey
