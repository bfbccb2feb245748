// Index tables for the wide engines' lane permutations and shuffles, one
// entry per lane, worked out when the program is built.
#pragma once

template <typename T, int N>
struct Lanes {
    alignas(64) T at[N];
};

template <typename T, int N, typename F>
constexpr Lanes<T, N> lanes(F f)
{
    Lanes<T, N> l{};
    for (int m = 0; m < N; ++m) l.at[m] = T(f(m));
    return l;
}
