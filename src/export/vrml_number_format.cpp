#include "export/vrml_number_format.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Writes the text into the field of the stream's width, padded with the fill
// character the way the standard facet pads, and resets the width.
template <class Iter>
Iter putPadded(Iter out, std::ios_base& str, char fill, const char* text, std::size_t length)
{
    const std::streamsize width = str.width();
    str.width(0);
    std::size_t pad = width > 0 && static_cast<std::size_t>(width) > length ? width - length : 0;
    const std::ios_base::fmtflags adjust = str.flags() & std::ios_base::adjustfield;
    std::size_t start = 0;
    if (adjust == std::ios_base::internal && length > 0 && (text[0] == '-' || text[0] == '+')) {
        *out++ = text[0];
        start = 1;
    }
    if (adjust != std::ios_base::left)
        for (; pad > 0; --pad)
            *out++ = fill;
    for (std::size_t i = start; i < length; ++i)
        *out++ = text[i];
    for (; pad > 0; --pad)
        *out++ = fill;
    return out;
}

} // namespace

VrmlNumPut::iter_type VrmlNumPut::do_put(iter_type out, std::ios_base& str, char_type fill, double v) const
{
    if (!std::isfinite(v))
        v = 0.0;
    const std::ios_base::fmtflags flags = str.flags();
    const std::ios_base::fmtflags notation = flags & std::ios_base::floatfield;
    const bool plain =
        !(flags & (std::ios_base::showpos | std::ios_base::showpoint | std::ios_base::uppercase));
    const std::streamsize precision = str.precision();
    if (plain && precision >= 0 && precision <= 40 &&
        (notation == std::ios_base::fixed || notation == std::ios_base::fmtflags())) {
        char buffer[400];
        const std::chars_format format =
            notation == std::ios_base::fixed ? std::chars_format::fixed : std::chars_format::general;
        const std::to_chars_result r =
            std::to_chars(buffer, buffer + sizeof buffer, v, format, static_cast<int>(precision));
        if (r.ec == std::errc())
            return putPadded(out, str, fill, buffer, static_cast<std::size_t>(r.ptr - buffer));
    }
    return std::num_put<char>::do_put(out, str, fill, v);
}

VrmlNumPut::iter_type VrmlNumPut::do_put(iter_type out, std::ios_base& str, char_type fill,
                                         long double v) const
{
    if (!std::isfinite(v))
        v = 0.0L;
    return std::num_put<char>::do_put(out, str, fill, v);
}

std::locale imbueVrmlNumbers(std::ostream& out)
{
    return out.imbue(std::locale(std::locale::classic(), new VrmlNumPut));
}
