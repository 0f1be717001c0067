// Integer fields: the conversion accepts exactly what the reference accepts,
// with the same value, and refuses with the field's text in the message.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Check.h"
#include "SimpleReference.h"
#include "platform/Errors.h"
#include "platform/TextConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<int32_t> expected = fuzzref::StrToInt(text);
    Require(platform::TryStrToInt(text) == expected, "TryStrToInt differs from the reference", text);
    try {
        const int32_t value = platform::StrToInt(text);
        Require(expected && value == *expected, "StrToInt accepted what the reference refuses", text);
    } catch (const platform::ConvertError& e) {
        Require(!expected, "StrToInt refused what the reference accepts", text);
        Require(e.Message() == "'" + text + "' is not a valid integer value", "StrToInt's message", text);
    }
    return 0;
}
