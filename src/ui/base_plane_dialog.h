#pragma once

#include <QDialog>
#include <QString>

#include "doc/document.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// The modeless base plane editor: "Visible", the height (applied on Enter),
// the transparency track bar and the colour chooser with its swatch. Every
// change goes straight into the document and repaints the owner window.
class FloorLevel : public QDialog, public ModelessDialog {
    Q_OBJECT
public:
    // The "Base Plane" command: refreshes and raises the open dialog, or
    // creates and shows a new one held in the document.
    static FloorLevel* open(CRavloViewerDoc& document, QWidget* owner, bool centimetres);

    FloorLevel(CRavloViewerDoc& document, QWidget* owner, bool centimetres);
    ~FloorLevel() override;

    // A unit change of the view: new label, height shown in the new unit.
    void refreshUnits(bool centimetres);

    void closeDialog() override;

    double levelValue = 0.0;
    QString unitText;
    QString transparencyText;

    // The controls, for the window's own use and for tests.
    QCheckBox* visibleBox = nullptr;
    QLineEdit* levelEdit = nullptr;
    QLabel* unitLabel = nullptr;
    QSlider* transparencyBar = nullptr;
    QLabel* transparencyLabel = nullptr;
    QPushButton* colourButton = nullptr;

    // The swatch painted inside the group box (pixels of the client area).
    static QRect swatchFrame() { return QRect(9, 76, 41, 25); }
    static QRect swatchRect() { return QRect(10, 77, 22, 23); }

    // The OK handling reached by Enter: reads the height, stores it, keeps
    // the dialog open.
    void applyLevel();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void done(int result) override;

private:
    void createControls();
    void fieldsToControls();
    bool controlsToFields();
    void onVisibleClicked();
    void onTransparencyMoved(int position);
    void onColourClicked();
    void repaintOwner();

    CRavloViewerDoc* document;
    QWidget* owner;
    bool centimetres;
};

// The window system's 0x00BBGGRR colour value of a colour and back.
unsigned colourRef(const QColor& colour);
QColor colourFromRef(unsigned value);
