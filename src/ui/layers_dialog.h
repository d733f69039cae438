#pragma once

#include <QDialog>
#include <map>
#include <string>
#include <vector>

#include "doc/document.h"

class QCheckBox;

// The modeless list of layers: one check box per layer, checked while the
// layer is shown, greyed while no item lies on it. Every click is written to
// the document at once and the owner window is repainted.
class CLayers : public QDialog, public ModelessDialog {
    Q_OBJECT
public:
    struct LayerRow {
        int layer = 0;
        QString name;
        QCheckBox* checkBox = nullptr;
    };

    // The "Manage Layers" command: brings the open dialog to the front, or
    // creates, fills and shows a new one held in the document.
    static CLayers* open(CRavloViewerDoc& document, QWidget* owner);

    CLayers(CRavloViewerDoc& document, QWidget* owner);
    ~CLayers() override;

    // Takes the rows and copies of the visibility and use tables.
    void fill();
    // Creates the check boxes and sizes the dialog to them.
    void createControls();

    // Closing by the document: the window goes, the document already let go.
    void closeDialog() override;

    const std::vector<LayerRow>& rows() const { return layerRows; }

protected:
    void done(int result) override;

private:
    void onCheckBoxClicked();

    std::vector<LayerRow> layerRows;
    QWidget* owner;
    CRavloViewerDoc* document;
    std::map<int, bool> usedCopy;
    std::map<int, bool> visibleCopy;
};
