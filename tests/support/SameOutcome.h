#pragma once
// Runs a computation and records what a user could tell apart: its values bit
// for bit (a NaN or -0 included) and the message of the fault it raised, if any.
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Errors.h"

struct Outcome {
    std::vector<uint64_t> values;
    std::vector<std::string> texts;
    std::string fault;
    bool operator==(const Outcome&) const = default;
};

inline void Record(Outcome& o, double v) { o.values.push_back(std::bit_cast<uint64_t>(v)); }
inline void Record(Outcome& o, long double v)
{
    // The 80 significant bits of an extended value.
    unsigned char bytes[sizeof v] = {};
    __builtin_memcpy(bytes, &v, 10);
    uint64_t lo = 0, hi = 0;
    __builtin_memcpy(&lo, bytes, 8);
    __builtin_memcpy(&hi, bytes + 8, 2);
    o.values.push_back(lo);
    o.values.push_back(hi);
}
inline void Record(Outcome& o, int64_t v) { o.values.push_back(uint64_t(v)); }
inline void Record(Outcome& o, int32_t v) { o.values.push_back(uint64_t(int64_t(v))); }
inline void Record(Outcome& o, bool v) { o.values.push_back(v); }
inline void Record(Outcome& o, const std::string& v) { o.texts.push_back(v); }

template <class Run>
Outcome OutcomeOf(Run run)
{
    Outcome o;
    try {
        run(o);
    } catch (const platform::MathError& e) {
        o.fault = e.what();
    }
    return o;
}

inline std::string Describe(const Outcome& o)
{
    std::string s = "fault '" + o.fault + "' values";
    for (uint64_t v : o.values) s += " " + std::to_string(v);
    for (const std::string& t : o.texts) s += " [" + t + "]";
    return s;
}
