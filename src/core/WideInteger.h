#pragma once

// 128-bit integer helpers for exact decimal arithmetic: products and scalings
// of 64-bit unit counts never overflow on the way.
namespace WideInteger {

using i128 = __int128;

inline i128 pow10(int n)
{
    i128 r = 1;
    for (int i = 0; i < n; ++i)
        r *= 10;
    return r;
}

// num / den rounded half away from zero.
inline i128 roundedDiv(i128 num, i128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    i128 q = num / den;
    i128 r = num % den;
    if (r < 0)
        r = -r;
    if (2 * r >= den)
        q += (num < 0) ? -1 : 1;
    return q;
}

} // namespace WideInteger
