#pragma once

#include <map>
#include <string>
#include <vector>

#include "doc/point3.h"

class CDescribe;

// Shows a properties dialog modally. The window dialog and the tests implement
// it. Before answering OK a host copies what the user typed into the model
// (setFieldText, setBaseChecked/toggleBase); CDescribe::show then reads the
// edits back.
class DescribeHost {
public:
    virtual ~DescribeHost() = default;
    // Returns true when the dialog was closed through OK.
    virtual bool showModal(CDescribe& dialog) = 0;
};

// One row of the properties dialog.
struct DescribeRow {
    enum Kind { Message = 1, LabelValue = 2 };
    int kind = LabelValue;
    int top = 0;       // pixels from the top of the client area
    std::string label; // the message text for a message line
    std::string value; // empty for a message line
    int width = 0;     // width of the value field; right edge of a message
};

// A pixel rectangle of the client area.
struct EditRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

inline bool operator==(const EditRect& a, const EditRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// One coordinate field of a listed point. Only heights (column 2) are enabled.
struct PointEdit {
    Point3* point = nullptr; // not owned; edits are written into it
    int column = 0;          // 0 = x, 1 = y, 2 = z
    EditRect rect;
    bool enabled = false;
};

// The properties dialog's content: rows of label and value, message lines, the
// editable point heights and the base height option, with the texts the
// dialog shows and the reading back of what the user typed. The window side
// lives in the user interface library and only presents this model.
class CDescribe {
public:
    // Id of the base height edit field.
    static constexpr int BaseFieldId = 1000;
    // Row operations; each returns the position of the next row.
    int addTextRow(int top, const std::string& label, const std::string& text, int width);
    int addMessageRow(int top, const std::string& text);
    int addIntegerRow(int top, const std::string& label, int value);
    int addNumberRow(int top, const std::string& label, double value);
    int addPointRow(int top, const std::string& label, double x, double y, double z);
    // Three fields per point, ids 100 + 3k (x), 101 + 3k (y), 102 + 3k (z).
    // The points must outlive the dialog.
    int addPointEdits(int top, std::vector<Point3>& points);
    // Offers the base height check box; returns 30, where callers start their rows.
    int setBaseOption(bool checked, double value);
    // Writes the base height to value and returns true when the option is checked.
    bool baseOption(double& value) const;
    void setTitle(const std::string& text) { title = text; }

    // Shows the dialog through the host; on OK reads back the edited heights
    // and base value. Returns true on OK.
    bool show(DescribeHost& host);

    // Fills the field texts as the dialog shows them when it opens and works
    // out maxRowTop. show() calls it; a host may call it again harmlessly.
    void open();
    // Dialog height in pixels: the largest row position plus 70.
    int dialogHeight() const { return maxRowTop + 70; }
    // "[cm]" or "[inch]".
    std::string unitText() const;
    // "point 1", "point 2", ... for the point of a field id.
    static std::string pointLabel(int id);
    // The field text of a point edit or of the base field (BaseFieldId).
    std::string fieldText(int id) const;
    void setFieldText(int id, const std::string& text);
    // The check box 1004: toggled by a click; the base field shows while it is set.
    void toggleBase() { baseChecked = !baseChecked; }
    void setBaseChecked(bool checked) { baseChecked = checked; }
    bool baseFieldShown() const { return offerBase && baseChecked; }
    // The point edit field after id in id order (wrapping), or -1 when id is
    // not a point edit field: Enter in a height field steps to the next one.
    int nextPointEditId(int id) const;
    // For a host closing with OK while the OK button does not have the focus
    // and no point fields exist: the dialog ends without reading anything.
    void closeWithoutReading() { readOnOk = false; }
    // Reads the edited heights and the base value back from the field texts.
    void readBack();

    // The text of a number in the dialog: fixed notation, 2 decimals, rounded.
    static std::string formatNumber(double value);
    // Reads a typed value: when the text starts with a digit or "-", stores
    // its leading decimal number (0 for a lone sign) and returns true.
    static bool parseTypedValue(const std::string& text, double& value);

    std::map<int, PointEdit> pointEdits;
    int maxRowTop = 0;
    std::vector<DescribeRow> rows;
    std::string title;
    bool baseChecked = false;
    bool offerBase = false;
    double baseValue = 0.0;
    Point3 pointOffset;
    bool centimetres = true;

private:
    double unitFactor() const { return centimetres ? 2.54 : 1.0; }
    int addRow(int kind, int top, const std::string& label, const std::string& value, int width);

    std::map<int, std::string> fieldTexts;
    bool readOnOk = true;
};
