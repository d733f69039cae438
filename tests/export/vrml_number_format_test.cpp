#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <limits>
#include <sstream>

#include "export/vrml_number_format.h"

namespace {

std::string printfText(const char* format, double v)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

std::ostringstream vrmlStream()
{
    std::ostringstream out;
    imbueVrmlNumbers(out);
    return out;
}

const double FiniteValues[] = {
    0.0,      -0.0,      1.0,          -2.0,       0.1,   1.0 / 3.0,
    123456.0, 1234567.0, -1.5708,      1e-5,       1e-7,  2.5e15,
    0.00005,  99999.95,  -0.000049999, 12345.6789, 1e300, -std::numeric_limits<double>::min(),
    0.5,      1e21,      0.999995,     -999.99995};

} // namespace

TEST(VrmlNumberFormat, DefaultNotationMatchesTheStandardForm)
{
    for (double v : FiniteValues) {
        std::ostringstream out = vrmlStream();
        out << v;
        EXPECT_EQ(out.str(), printfText("%g", v)) << v;
    }
}

TEST(VrmlNumberFormat, FixedNotationInFieldMatchesTheStandardForm)
{
    for (double v : FiniteValues) {
        std::ostringstream out = vrmlStream();
        out << std::fixed << std::setprecision(4) << std::setw(9) << v << "|" << std::setw(3) << v;
        EXPECT_EQ(out.str(), printfText("%9.4f", v) + "|" + printfText("%3.4f", v)) << v;
    }
}

TEST(VrmlNumberFormat, PaddingFollowsAdjustmentAndFill)
{
    std::ostringstream out = vrmlStream();
    out << std::setfill('*') << std::left << std::setw(7) << -1.5 << "|" << std::internal << std::setw(7)
        << -1.5 << "|" << std::right << std::setw(7) << -1.5 << "|" << std::setw(2) << -1.5;
    EXPECT_EQ(out.str(), "-1.5***|-***1.5|***-1.5|-1.5");
}

TEST(VrmlNumberFormat, UnusualFlagsStillMatchTheStandardFacet)
{
    std::ostringstream mine = vrmlStream();
    std::ostringstream standard;
    standard.imbue(std::locale::classic());
    for (std::ostringstream* out : {&mine, &standard})
        *out << std::showpos << 2.5 << " " << std::noshowpos << std::scientific << 2.5 << " "
             << std::showpoint << std::defaultfloat << 3.0 << " " << std::uppercase << std::scientific
             << 1e-9;
    EXPECT_EQ(mine.str(), standard.str());
}

TEST(VrmlNumberFormat, NonFiniteNumbersAreWrittenAsZeroInTheCurrentFormat)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    std::ostringstream out = vrmlStream();
    out << nan << " " << -inf << " " << static_cast<float>(inf) << " "
        << std::numeric_limits<long double>::infinity() << " " << std::fixed << std::setprecision(4)
        << std::setw(9) << -nan << " " << inf << " " << std::scientific << inf;
    EXPECT_EQ(out.str(), "0 0 0 0    0.0000 0.0000 0.0000e+00");
}

namespace {

// A locale's numbers as a German user's locale writes them: decimal comma,
// thousands grouped with points.
class CommaNumbers : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace

TEST(VrmlNumberFormat, DecimalPointIsAPointWhateverTheStreamsLocale)
{
    std::ostringstream out;
    out.imbue(std::locale(std::locale::classic(), new CommaNumbers));
    out << 1.25 << " " << 1234567;
    ASSERT_EQ(out.str(), "1,25 1.234.567");

    out.str("");
    const std::locale previous = imbueVrmlNumbers(out);
    out << 1.25 << " " << 1234567 << " " << std::fixed << std::setprecision(4) << 1234.5;
    EXPECT_EQ(out.str(), "1.25 1234567 1234.5000");
    EXPECT_EQ(std::use_facet<std::numpunct<char>>(previous).decimal_point(), ',');
}
