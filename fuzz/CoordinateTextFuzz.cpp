// The polygon entry's coordinate test agrees with the reference; a text it
// passes goes on to the conversion, which then converts it or refuses it
// with its message (never anything else).
#include <cstddef>
#include <cstdint>
#include <string>

#include "Check.h"
#include "SimpleReference.h"
#include "platform/Errors.h"
#include "platform/TextConversion.h"
#include "polygon/VertexText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const char separator = data[0] & 1 ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool passes = IsCoordinateText(text, separator);
    Require(passes == fuzzref::IsCoordinateText(text, separator), "IsCoordinateText differs from the reference",
            text);
    if (passes) {
        platform::SetDecimalSeparator(separator);
        try {
            (void)platform::StrToFloat(text);
        } catch (const platform::ConvertError&) {
        }
    }
    return 0;
}
