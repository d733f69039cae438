// The --report mode: one JSON document describing a layout, read back here
// with Qt's JSON parser.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "../support/command_run.h"
#include "../support/temp_layout.h"

namespace {

struct ReportRun {
    int status = -1;
    std::string out;
    QJsonObject json;
    bool parsed = false;
};

ReportRun report(const std::string& args, const std::string& errorFile = "/dev/null")
{
    ReportRun r;
    const CommandRun run = runProgram("--report " + args, errorFile);
    r.status = run.status;
    r.out = run.out;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    r.parsed = error.error == QJsonParseError::NoError && doc.isObject();
    r.json = doc.object();
    return r;
}

// Two straight tracks joined at (0, 0): item 1 runs east to a free end,
// item 2 west to a free end of height 3; the joint is given height 1.
const char* const twoStraights = "LAYERS 0 1 0 0 255 0 0 0 0 Main\n"
                                 "LAYERS 2 0 0 0 65280 0 0 0 0 Hidden\n"
                                 "STRAIGHT 1 0 0 0 0 N 1\n\tT 2 0 0 270 9 0 0 1\n\tE 10 0 90\n\tEND$SEGS\n"
                                 "STRAIGHT 2 3 0 0 0 N 1\n\tT 1 0 0 90\n\tE -20 0 270 9 0 0 3\n\tEND$SEGS\n";

QJsonObject labelValue(const char* label, const char* value)
{
    return QJsonObject{{"label", label}, {"value", value}};
}

TEST(ReportMode, LayoutInCentimetres)
{
    TempLayout f(twoStraights);
    const ReportRun r = report(f.path());
    EXPECT_EQ(r.status, 1); // layer 3 is undefined
    ASSERT_TRUE(r.parsed) << r.out;
    const QJsonObject& j = r.json;
    EXPECT_EQ(j["file"].toString().toStdString(), f.path());
    EXPECT_EQ(j["units"].toString(), "[cm]");
    EXPECT_EQ(j["messages"].toArray(), (QJsonArray{"Item 2: Layer 3 undefined "}));

    const QJsonArray layers = j["layers"].toArray();
    ASSERT_EQ(layers.size(), 3);
    EXPECT_EQ(layers[0].toObject(),
              (QJsonObject{
                  {"number", 0}, {"name", "1 - Main"}, {"visible", true}, {"used", true}, {"colour", 255}}));
    EXPECT_EQ(
        layers[1].toObject(),
        (QJsonObject{
            {"number", 2}, {"name", "3 - Hidden"}, {"visible", false}, {"used", false}, {"colour", 65280}}));
    EXPECT_EQ(layers[2].toObject()["number"].toInt(), 3);
    EXPECT_EQ(layers[2].toObject()["used"].toBool(), true);

    const QJsonArray ends = j["ends"].toArray();
    ASSERT_EQ(ends.size(), 3);
    EXPECT_EQ(ends[0].toObject(), (QJsonObject{{"index", 0},
                                               {"owner", 1},
                                               {"other", 2},
                                               {"x", 0},
                                               {"y", 0},
                                               {"z", 1},
                                               {"angle", 270},
                                               {"defined", true},
                                               {"given", true},
                                               {"onTurntable", false}}));
    // The free end of item 1 hangs from the joint: level at its height, not given.
    EXPECT_EQ(ends[1].toObject()["z"].toDouble(), 1.0);
    EXPECT_EQ(ends[1].toObject()["defined"].toBool(), true);
    EXPECT_EQ(ends[1].toObject()["given"].toBool(), false);
    EXPECT_EQ(ends[2].toObject()["x"].toDouble(), -20.0);

    const QJsonArray items = j["items"].toArray();
    ASSERT_EQ(items.size(), 2);
    // Newest first.
    const QJsonObject second = items[0].toObject();
    EXPECT_EQ(second["number"].toInt(), 2);
    EXPECT_EQ(second["layer"].toInt(), 3);
    EXPECT_EQ(second["title"].toString(), "T2 Straight Track");
    const QJsonArray rows{labelValue("Pt 1:", "(0.00 , 0.00 , 2.54)"),
                          labelValue("Pt 2:", "(-50.80 , 0.00 , 7.62)"), labelValue("Length", "50.80"),
                          labelValue("Grade", "10.00"), labelValue("Layer", "3 - undefined")};
    EXPECT_EQ(second["rows"].toArray(), rows);
    EXPECT_EQ(second["points"].toArray(), QJsonArray());
    EXPECT_EQ(items[1].toObject()["number"].toInt(), 1);
}

TEST(ReportMode, InchesAndCleanLayout)
{
    TempLayout f("LAYERS 0 1 0 0 255 0 0 0 0 Main\n"
                 "STRAIGHT 1 0 0 0 0 N 1\n\tE 0 0 270 9 0 0 1\n\tE 12.5 0 90\n\tEND$SEGS\n");
    const ReportRun r = report(f.path() + " --inch");
    EXPECT_EQ(r.status, 0);
    ASSERT_TRUE(r.parsed) << r.out;
    EXPECT_EQ(r.json["units"].toString(), "[inch]");
    EXPECT_EQ(r.json["messages"].toArray(), QJsonArray());
    const QJsonArray rows = r.json["items"].toArray()[0].toObject()["rows"].toArray();
    ASSERT_GE(rows.size(), 3);
    EXPECT_EQ(rows[1].toObject()["value"].toString(), "(12.50 , 0.00 , 1.00)");
    EXPECT_EQ(rows[2].toObject(), (QJsonObject{{"label", "Length"}, {"value", "12.50"}}));
}

TEST(ReportMode, NumbersReadBackExactly)
{
    // 0.1 is read at single precision: 0.100000001490116119384765625.
    TempLayout f("LAYERS 0 1 0 0 255 0 0 0 0 Main\n"
                 "STRAIGHT 1 0 0 0 0 N 1\n\tE 0.1 0 270\n\tE 10 0 90\n\tEND$SEGS\n");
    const ReportRun r = report(f.path());
    ASSERT_TRUE(r.parsed) << r.out;
    EXPECT_NE(r.out.find("\"x\": 0.10000000149011612,"), std::string::npos) << r.out;
    EXPECT_EQ(r.json["ends"].toArray()[0].toObject()["x"].toDouble(), static_cast<double>(0.1f));
    // The bounds reach half the embankment bottom width of scale N (30 mm) past the ends.
    const QJsonArray bounds = r.json["bounds"].toArray();
    ASSERT_EQ(bounds.size(), 6);
    EXPECT_DOUBLE_EQ(bounds[3].toDouble(), 10.0 + 15.0 / 25.4);
}

TEST(ReportMode, TextsAreEscaped)
{
    // A layer name with a quote, a backslash, a control byte and Latin-1 letters.
    TempLayout f("LAYERS 0 1 0 0 255 0 0 0 0 a\"b\\c\x01\xe9\xff\n"
                 "STRAIGHT 1 0 0 0 0 N 1\n\tE 0 0 270\n\tE 10 0 90\n\tEND$SEGS\n");
    const ReportRun r = report(f.path());
    ASSERT_TRUE(r.parsed) << r.out;
    EXPECT_NE(r.out.find("\\u0001"), std::string::npos);
    const QString name = r.json["layers"].toArray()[0].toObject()["name"].toString();
    EXPECT_EQ(name, QString::fromUtf8("1 - a\"b\\c\x01\u00e9\u00ff"));
}

TEST(ReportMode, PointFieldsOfALine)
{
    TempLayout f("LAYERS 0 1 0 0 255 0 0 0 0 Main\n"
                 "BZRLIN 102 0 0 0 0 HO 1\nL 0 0.1 0 30 0 10 30 0\nEND$SEGS\n");
    const ReportRun r = report(f.path() + " --inch");
    ASSERT_TRUE(r.parsed) << r.out;
    const QJsonObject item = r.json["items"].toArray()[0].toObject();
    EXPECT_EQ(item["number"].toInt(), 102);
    EXPECT_EQ(item["points"].toArray(),
              (QJsonArray{QJsonArray{"0.00", "30.00", "0.00"}, QJsonArray{"10.00", "30.00", "0.00"}}));
}

TEST(ReportMode, UnreadableFile)
{
    TempLayout err("", ".err");
    const ReportRun r = report("/nonexistent/folder/none.mrv", err.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    std::ifstream in(err.path());
    std::string first, second;
    EXPECT_TRUE(static_cast<bool>(std::getline(in, first)));
    EXPECT_NE(first.find("none.mrv"), std::string::npos);
    EXPECT_FALSE(static_cast<bool>(std::getline(in, second)));
}

} // namespace
