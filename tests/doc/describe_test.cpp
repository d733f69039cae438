#include "doc/describe.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A host that lets the test play the user: it runs an action on the open
// model and answers OK or Cancel.
class ScriptedHost : public DescribeHost {
public:
    ScriptedHost(bool ok, std::function<void(CDescribe&)> action) : ok(ok), action(std::move(action)) {}
    bool showModal(CDescribe& dialog) override
    {
        ++shown;
        if (action)
            action(dialog);
        return ok;
    }
    bool ok;
    std::function<void(CDescribe&)> action;
    int shown = 0;
};

TEST(Describe, RowOperationsReturnNextPositionAndFillRows)
{
    CDescribe d;
    int top = d.addTextRow(0, "Layer:", "L1 main", 300);
    EXPECT_EQ(top, 30);
    top = d.addIntegerRow(top - 8, "Count:", -42);
    EXPECT_EQ(top, 52);
    top = d.addNumberRow(top, "Length:", 2.54);
    EXPECT_EQ(top, 82);
    top = d.addPointRow(top, "Start:", 1.0, -2.5, 1234.5);
    EXPECT_EQ(top, 112);
    top = d.addMessageRow(top, "Item 3: Zero length track found ");
    EXPECT_EQ(top, 142);

    ASSERT_EQ(d.rows.size(), 5u);
    const struct {
        int kind, top;
        const char* label;
        const char* value;
        int width;
    } expected[] = {
        {2, 0, "Layer:", "L1 main", 300},
        {2, 22, "Count:", "-42", 100},
        {2, 52, "Length:", "2.54", 100},
        {2, 82, "Start:", "(1.00 , -2.50 , 1234.50)", 200},
        {1, 112, "Item 3: Zero length track found ", "", 500},
    };
    for (std::size_t i = 0; i < d.rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.rows[i].kind, expected[i].kind);
        EXPECT_EQ(d.rows[i].top, expected[i].top);
        EXPECT_EQ(d.rows[i].label, expected[i].label);
        EXPECT_EQ(d.rows[i].value, expected[i].value);
        EXPECT_EQ(d.rows[i].width, expected[i].width);
    }
    d.open();
    EXPECT_EQ(d.dialogHeight(), 182);
}

TEST(Describe, EmptyDialogIsSeventyPixelsHigh)
{
    CDescribe d;
    d.open();
    EXPECT_EQ(d.dialogHeight(), 70);
}

TEST(Describe, NumberTexts)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {2.54, "2.54"},
        {1234.5, "1234.50"},
        {0.0, "0.00"},
        {-1.0, "-1.00"},
        {-2.5, "-2.50"},
        {0.005001, "0.01"},
        {0.004999, "0.00"},
        {1.999, "2.00"},
        {-1.999, "-2.00"},
        // A negative value too small to show keeps its sign.
        {-0.004, "-0.00"},
        {-0.0, "-0.00"},
        {1e7, "10000000.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CDescribe::formatNumber(c.value), c.text) << c.value;
}

TEST(Describe, IntegerRowsShowSignAndDigits)
{
    CDescribe d;
    d.addIntegerRow(0, "a", -7);
    d.addIntegerRow(30, "b", 0);
    d.addIntegerRow(60, "c", 2147483647);
    d.addIntegerRow(90, "d", -2147483647 - 1);
    EXPECT_EQ(d.rows[0].value, "-7");
    EXPECT_EQ(d.rows[1].value, "0");
    EXPECT_EQ(d.rows[2].value, "2147483647");
    EXPECT_EQ(d.rows[3].value, "-2147483648");
}

TEST(Describe, PointEditsIdsRectsLabelsAndHeight)
{
    std::vector<Point3> points{{1.0, 2.0, 3.0}, {4.0, 5.0, 6.0}};
    CDescribe d;
    EXPECT_EQ(d.addPointEdits(60, points), 120);
    ASSERT_EQ(d.pointEdits.size(), 6u);
    int id = 100;
    for (const auto& [key, edit] : d.pointEdits) {
        EXPECT_EQ(key, id);
        const int k = (id - 100) / 3;
        const int column = (id - 100) % 3;
        const int t = 60 + 30 * k;
        EXPECT_EQ(edit.point, &points[k]);
        EXPECT_EQ(edit.column, column);
        EXPECT_EQ(edit.rect, (EditRect{100 + 100 * column, t + 12, 195 + 100 * column, t + 32}));
        EXPECT_EQ(edit.enabled, column == 2);
        ++id;
    }
    EXPECT_EQ(CDescribe::pointLabel(100), "point 1");
    EXPECT_EQ(CDescribe::pointLabel(103), "point 2");
    EXPECT_EQ(CDescribe::pointLabel(105), "point 2");
    d.open();
    EXPECT_EQ(d.dialogHeight(), 60 + 30 + 34 + 70);
}

TEST(Describe, PointFieldTextsUseOffsetAndUnit)
{
    std::vector<Point3> points{{1.0, -2.0, 1.0}};
    CDescribe d;
    d.pointOffset = {10.0, 0.5, 0.25};
    d.addPointEdits(0, points);
    d.open();
    EXPECT_EQ(d.fieldText(100), "27.94"); // (10 + 1) * 2.54
    EXPECT_EQ(d.fieldText(101), "-3.81"); // (0.5 - 2) * 2.54
    EXPECT_EQ(d.fieldText(102), "3.17");  // 1.25 * 2.54 = 3.175, just below in binary
    EXPECT_EQ(d.unitText(), "[cm]");

    d.centimetres = false;
    d.open();
    EXPECT_EQ(d.fieldText(100), "11.00");
    EXPECT_EQ(d.fieldText(101), "-1.50");
    EXPECT_EQ(d.fieldText(102), "1.25");
    EXPECT_EQ(d.unitText(), "[inch]");
}

TEST(Describe, CentimetreHeightTypedAndReadBack)
{
    std::vector<Point3> points{{3.0, 4.0, 1.0}};
    CDescribe d;
    d.addPointEdits(0, points);
    ScriptedHost host(true, [](CDescribe& dialog) {
        EXPECT_EQ(dialog.fieldText(102), "2.54");
        dialog.setFieldText(102, "5.08");
        dialog.setFieldText(100, "99"); // x is not read back
    });
    EXPECT_TRUE(d.show(host));
    EXPECT_EQ(host.shown, 1);
    EXPECT_DOUBLE_EQ(points[0].z, 2.0);
    EXPECT_EQ(points[0].x, 3.0);
    EXPECT_EQ(points[0].y, 4.0);
}

TEST(Describe, ReadBackSubtractsHeightOffset)
{
    std::vector<Point3> points{{0.0, 0.0, 1.0}};
    CDescribe d;
    d.centimetres = false;
    d.pointOffset = {5.0, 5.0, 0.5};
    d.addPointEdits(0, points);
    ScriptedHost host(true, [](CDescribe& dialog) {
        EXPECT_EQ(dialog.fieldText(102), "1.50");
        dialog.setFieldText(102, "4");
    });
    EXPECT_TRUE(d.show(host));
    EXPECT_DOUBLE_EQ(points[0].z, 3.5);
}

TEST(Describe, TypedTextRules)
{
    const double unchanged = 7.25;
    const struct {
        const char* text;
        double z; // inches, with the dialog in inches
    } cases[] = {
        {"3", 3.0},        {"-", 0.0},        {"-.", 0.0},        {"-abc", 0.0},        {"-1.5", -1.5},
        {"2.5cm", 2.5},    {"1e2", 100.0},    {"1.5E-1x", 0.15},  {"2e", 2.0},          {"2e+", 2.0},
        {"4.", 4.0},       {"-.5", -0.5},     {"0x10", 0.0},      {"", unchanged},      {" 3", unchanged},
        {"+3", unchanged}, {".5", unchanged}, {"abc", unchanged}, {"1e999", unchanged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<Point3> points{{0.0, 0.0, unchanged}};
        CDescribe d;
        d.centimetres = false;
        d.addPointEdits(0, points);
        ScriptedHost host(true, [&](CDescribe& dialog) { dialog.setFieldText(102, c.text); });
        EXPECT_TRUE(d.show(host));
        EXPECT_DOUBLE_EQ(points[0].z, c.z);
    }
}

TEST(Describe, CancelReadsNothing)
{
    std::vector<Point3> points{{0.0, 0.0, 1.0}};
    CDescribe d;
    d.setBaseOption(true, 2.0);
    d.addPointEdits(30, points);
    ScriptedHost host(false, [](CDescribe& dialog) {
        dialog.setFieldText(102, "9");
        dialog.setFieldText(CDescribe::BaseFieldId, "9");
    });
    EXPECT_FALSE(d.show(host));
    EXPECT_EQ(points[0].z, 1.0);
    EXPECT_EQ(d.baseValue, 2.0);
}

TEST(Describe, BaseOptionAndReadBack)
{
    CDescribe d;
    EXPECT_EQ(d.setBaseOption(false, 1.0), 30);
    EXPECT_TRUE(d.offerBase);
    double base = -5.0;
    EXPECT_FALSE(d.baseOption(base));
    EXPECT_EQ(base, -5.0);

    ScriptedHost host(true, [](CDescribe& dialog) {
        EXPECT_EQ(dialog.fieldText(CDescribe::BaseFieldId), "2.54");
        EXPECT_FALSE(dialog.baseFieldShown());
        dialog.toggleBase();
        EXPECT_TRUE(dialog.baseFieldShown());
        dialog.setFieldText(CDescribe::BaseFieldId, "7.62");
    });
    EXPECT_TRUE(d.show(host));
    EXPECT_TRUE(d.baseOption(base));
    EXPECT_DOUBLE_EQ(base, 3.0);
}

TEST(Describe, BaseValueNotReadWhenUnchecked)
{
    CDescribe d;
    d.centimetres = false;
    d.setBaseOption(true, 1.0);
    ScriptedHost host(true, [](CDescribe& dialog) {
        dialog.setFieldText(CDescribe::BaseFieldId, "4");
        dialog.toggleBase();
        EXPECT_FALSE(dialog.baseFieldShown());
    });
    EXPECT_TRUE(d.show(host));
    EXPECT_FALSE(d.baseChecked);
    EXPECT_EQ(d.baseValue, 1.0);
    double base = 0.0;
    EXPECT_FALSE(d.baseOption(base));
}

TEST(Describe, BaseClickedTwiceStaysClear)
{
    CDescribe d;
    d.setBaseOption(false, 1.0);
    d.toggleBase();
    d.toggleBase();
    EXPECT_FALSE(d.baseChecked);
    EXPECT_FALSE(d.baseFieldShown());
}

TEST(Describe, BaseTextNotStartingWithNumberKeepsValue)
{
    CDescribe d;
    d.centimetres = false;
    d.setBaseOption(true, 1.5);
    ScriptedHost host(true, [](CDescribe& dialog) { dialog.setFieldText(CDescribe::BaseFieldId, "x"); });
    EXPECT_TRUE(d.show(host));
    EXPECT_EQ(d.baseValue, 1.5);
}

TEST(Describe, CloseWithoutReadingKeepsEverything)
{
    CDescribe d;
    d.centimetres = false;
    d.setBaseOption(true, 1.5);
    ScriptedHost host(true, [](CDescribe& dialog) {
        dialog.setFieldText(CDescribe::BaseFieldId, "8");
        dialog.closeWithoutReading();
    });
    EXPECT_TRUE(d.show(host));
    EXPECT_EQ(d.baseValue, 1.5);
}

TEST(Describe, EnterStepsThroughPointFieldsInIdOrder)
{
    std::vector<Point3> points(2);
    CDescribe d;
    d.addPointEdits(0, points);
    EXPECT_EQ(d.nextPointEditId(102), 103);
    EXPECT_EQ(d.nextPointEditId(105), 100);
    EXPECT_EQ(d.nextPointEditId(CDescribe::BaseFieldId), -1);
    EXPECT_EQ(d.nextPointEditId(1), -1);
}

} // namespace
