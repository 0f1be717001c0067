// Floating-point fields: the conversion accepts exactly what the reference
// accepts, with the same double bit for bit, for either decimal separator.
// The first byte picks the separator, the rest is the field's text.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

#include "Check.h"
#include "SimpleReference.h"
#include "platform/Errors.h"
#include "platform/TextConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const char separator = data[0] & 1 ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    platform::SetDecimalSeparator(separator);
    const std::optional<double> expected = fuzzref::StrToFloat(text, separator);
    const std::optional<double> actual = platform::TryStrToFloat(text);
    Require(actual.has_value() == expected.has_value(), "TryStrToFloat accepts differently", text);
    if (actual)
        Require(std::bit_cast<uint64_t>(*actual) == std::bit_cast<uint64_t>(*expected), "TryStrToFloat's value",
                text);
    try {
        const double value = platform::StrToFloat(text);
        Require(expected && std::bit_cast<uint64_t>(value) == std::bit_cast<uint64_t>(*expected),
                "StrToFloat accepted differently", text);
    } catch (const platform::ConvertError& e) {
        Require(!expected, "StrToFloat refused what the reference accepts", text);
        Require(e.Message() == "'" + text + "' is not a valid floating point value", "StrToFloat's message", text);
    }
    return 0;
}
