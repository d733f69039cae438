#pragma once

#include <locale>
#include <ostream>

// Number output for VRML files. Numbers that are not finite (a NaN or an
// infinity from degenerate geometry) would reach the file as "nan" or "inf",
// which no VRML reader accepts; this facet writes them as 0 in the stream's
// current notation and field width. Finite numbers are written exactly as the
// standard facet writes them, through a faster path for the two notations the
// export uses (the default one and fixed).
class VrmlNumPut : public std::num_put<char> {
public:
    explicit VrmlNumPut(std::size_t refs = 0) : std::num_put<char>(refs) {}

protected:
    iter_type do_put(iter_type out, std::ios_base& str, char_type fill, double v) const override;
    iter_type do_put(iter_type out, std::ios_base& str, char_type fill, long double v) const override;
};

// Gives the stream the classic "C" locale with VrmlNumPut for numbers, so that
// every writer of the export, whatever the program's locale, writes a point as
// the decimal separator and never writes a non-finite number. Returns the
// locale the stream had.
std::locale imbueVrmlNumbers(std::ostream& out);
