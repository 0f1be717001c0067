#pragma once
// What a fuzz target does when the code under test and its reference disagree:
// say what, on which input, and stop so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>
#include <string>

inline void Require(bool holds, const char* what, const std::string& input)
{
    if (holds) return;
    std::fprintf(stderr, "MISMATCH: %s on input '", what);
    for (unsigned char c : input) {
        if (c >= 0x20 && c < 0x7f && c != '\\') std::fputc(c, stderr);
        else std::fprintf(stderr, "\\x%02x", c);
    }
    std::fprintf(stderr, "'\n");
    std::abort();
}
