// Any double through the number display. The general format must read back
// (through the program's own conversion, with the separator shown) as the
// value rounded to 15 significant digits (or as no number, when those are beyond
// the range), in fixed notation exactly when that
// value's decimal exponent lies in -5..14, with no trailing zeros; the
// two-decimal rounding must land on a whole number of hundredths within half a
// hundredth of the value, and fail exactly beyond 2^63 hundredths.
// Input: eight bytes of the double, then one byte whose low bit picks ",".
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Check.h"
#include "SimpleReference.h"
#include "platform/Errors.h"
#include "platform/NumberFormat.h"
#include "platform/TextConversion.h"

namespace {

struct Rounded {
    bool fault = false;
    std::string message;
    double value = 0;
};

template <class F>
Rounded Try(F f)
{
    Rounded r;
    try {
        r.value = f();
    } catch (const platform::MathError& e) {
        r.fault = true;
        r.message = e.what();
    }
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8) return 0;
    double v;
    std::memcpy(&v, data, 8);
    const char separator = size > 8 && (data[8] & 1) ? ',' : '.';
    platform::SetDecimalSeparator(separator);
    const std::string input(reinterpret_cast<const char*>(data), size);

    const std::string shown = platform::FloatToStr(v);
    if (std::isnan(v)) {
        Require(shown == "NAN", "NaN shown", input);
    } else if (std::isinf(v)) {
        Require(shown == (v < 0 ? "-INF" : "INF"), "infinity shown", input);
    } else {
        char sci[64];
        std::snprintf(sci, sizeof sci, "%.14e", v);
        const double rounded = std::strtod(sci, nullptr);
        const int exponent = std::atoi(std::strchr(sci, 'e') + 1);
        // Next to the largest doubles the 15 digits stand for a number beyond
        // the range: the text then reads back as no number at all.
        const std::optional<double> back = fuzzref::StrToFloat(shown, separator);
        const std::optional<double> ours = platform::TryStrToFloat(shown);
        if (std::isinf(rounded)) {
            Require(!back && !ours, "a display beyond the range reads back", input);
        } else {
            Require(back && *back == rounded, "the general format does not read back as the 15-digit value", input);
            Require(ours && *ours == rounded, "the program's own conversion does not read the format back", input);
        }
        const bool scientific = shown.find('E') != std::string::npos;
        Require(scientific == (v != 0 && (exponent < -5 || exponent > 14)), "notation", input);
        const size_t sep = shown.find(separator);
        if (sep != std::string::npos) {
            const size_t end = scientific ? shown.find('E') : shown.size();
            Require(end > sep + 1 && shown[end - 1] != '0', "trailing zeros", input);
        }
    }

    const Rounded fast = Try([v] { return platform::RoundTo2(v); });
    // 2^63 hundredths: the quotient's whole number must fit in 64 bits. Close to
    // the limit the extended quotient decides, so either outcome is allowed there.
    constexpr double kLimit = 9223372036854775808.0 / 100;
    const double magnitude = std::fabs(v);
    if (!std::isfinite(v) || magnitude > kLimit * (1 + 1e-9)) {
        Require(fast.fault && fast.message == platform::kInvalidOperation, "two-decimal rounding beyond the range",
                input);
    } else if (magnitude < kLimit * (1 - 1e-9)) {
        Require(!fast.fault, "two-decimal rounding fails within the range", input);
        // Half a hundredth, plus the roundings of the quotient, the product and the store.
        Require(std::fabs(fast.value - v) <= 0.005 + magnitude * 0x1p-51, "two-decimal rounding's distance", input);
        const long double hundredths = static_cast<long double>(fast.value) * 100;
        Require(std::fabs(hundredths - std::nearbyint(hundredths)) <= 1e-9L + std::fabs(hundredths) * 0x1p-50L,
                "two-decimal rounding is not on a hundredth", input);
    }
    if (!fast.fault) {
        Require(platform::FormatTwoDecimals(v) == platform::FloatToStr(fast.value), "two-decimal display", input);
    } else {
        const Rounded shownFault = Try([v] {
            (void)platform::FormatTwoDecimals(v);
            return 0.0;
        });
        Require(shownFault.fault && shownFault.message == fast.message, "two-decimal display's fault", input);
    }
    return 0;
}
