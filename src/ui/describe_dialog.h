#pragma once

#include <QDialog>
#include <map>

#include "doc/describe.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The properties window of one CDescribe model: its rows, point fields and
// base option placed at the model's pixel rectangles, the unit in the top
// right corner. OK with the OK button copies what was typed into the model;
// Enter in a height field steps to the next one; Esc and the close box end
// the dialog with the model left as it was.
class CDescribeDialog : public QDialog {
    Q_OBJECT
public:
    CDescribeDialog(CDescribe& model, QWidget* parent = nullptr);

    QPushButton* okButton() const { return ok; }
    QCheckBox* baseCheckBox() const { return baseBox; }
    QLineEdit* baseField() const { return baseEdit; }
    QLabel* unitLabel() const { return unit; }
    // The edit field of a point edit id, or null.
    QLineEdit* pointField(int id) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createRows();
    void createPointEdits();
    void createBaseOption();
    // The OK handling: by the control that has the focus.
    void onOk(QWidget* focused);
    void acceptReading();
    void onBaseClicked();

    CDescribe& model;
    QPushButton* ok = nullptr;
    QCheckBox* baseBox = nullptr;
    QLineEdit* baseEdit = nullptr;
    QLabel* unit = nullptr;
    std::map<int, QLineEdit*> fields;
    bool baseChecked = false;
};

// Shows properties dialogs as modal windows over a parent window.
class QtDescribeHost : public DescribeHost {
public:
    explicit QtDescribeHost(QWidget* parent = nullptr) : parent(parent) {}
    bool showModal(CDescribe& dialog) override;
    void setParent(QWidget* window) { parent = window; }

private:
    QWidget* parent;
};
