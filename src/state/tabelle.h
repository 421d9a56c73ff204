#pragma once
// Fixed-size tables numbered from 1, as the game shows and stores them.

#include <array>
#include <cstddef>
#include <stdexcept>

namespace kabrolux {

template <class T, int N>
class Tabelle {
  public:
    static constexpr int groesse = N;

    // Every access is checked: a number from a damaged file or a stale list line must never
    // reach past the table.
    T& operator[](int nr) { return daten_[index(nr)]; }
    const T& operator[](int nr) const { return daten_[index(nr)]; }
    static constexpr bool gueltig(int nr) { return nr >= 1 && nr <= N; }
    // The lowest number, from 1, whose entry satisfies p; 0 if none does.
    template <class P>
    int erste(P&& p) const {
        for (int nr = 1; nr <= N; ++nr)
            if (p(daten_[nr - 1])) return nr;
        return 0;
    }

    auto begin() { return daten_.begin(); }
    auto end() { return daten_.end(); }
    auto begin() const { return daten_.begin(); }
    auto end() const { return daten_.end(); }

    bool operator==(const Tabelle&) const = default;

  private:
    static std::size_t index(int nr) {
        if (!gueltig(nr)) throw std::out_of_range("Tabellennummer ausserhalb der Tabelle");
        return static_cast<std::size_t>(nr - 1);
    }
    std::array<T, N> daten_{};
};

}  // namespace kabrolux
