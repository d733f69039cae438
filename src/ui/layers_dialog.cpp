#include "ui/layers_dialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "ui/dialog_units.h"

namespace {
constexpr int DialogWidthUnits = 309;
}

CLayers* CLayers::open(CRavloViewerDoc& document, QWidget* owner)
{
    if (auto* open = dynamic_cast<CLayers*>(document.layersDialog)) {
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* dialog = new CLayers(document, owner);
    document.layersDialog = dialog;
    dialog->fill();
    dialog->createControls();
    dialog->show();
    return dialog;
}

CLayers::CLayers(CRavloViewerDoc& document, QWidget* owner)
    : QDialog(owner), owner(owner), document(&document)
{
    setWindowTitle(QStringLiteral("Layers"));
    setModal(false);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(dialogUnitRect(252, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

CLayers::~CLayers()
{
    if (document && document->layersDialog == this)
        document->layersDialog = nullptr;
}

void CLayers::fill()
{
    layerRows.clear();
    for (const auto& [layer, name] : document->tables.layerNames)
        layerRows.push_back({layer, layoutText(name), nullptr});
    visibleCopy = document->tables.layerVisible;
    usedCopy = document->tables.layersUsed;
}

void CLayers::createControls()
{
    for (size_t i = 0; i < layerRows.size(); ++i) {
        LayerRow& row = layerRows[i];
        const int top = 40 + 20 * static_cast<int>(i);
        row.checkBox = new QCheckBox(row.name, this);
        row.checkBox->setGeometry(edgeRect(10, top, 300, top + 20));
        row.checkBox->setChecked(visibleCopy[row.layer]);
        row.checkBox->setEnabled(usedCopy[row.layer]);
        connect(row.checkBox, &QCheckBox::clicked, this, &CLayers::onCheckBoxClicked);
    }
    setFixedSize(dialogUnitRect(0, 0, DialogWidthUnits, 0).width(),
                 20 * static_cast<int>(layerRows.size()) + 100);
}

void CLayers::onCheckBoxClicked()
{
    for (const LayerRow& row : layerRows)
        visibleCopy[row.layer] = row.checkBox->isChecked();
    if (document)
        document->tables.layerVisible = visibleCopy;
    if (owner)
        owner->update();
}

void CLayers::closeDialog()
{
    document = nullptr;
    hide();
    deleteLater();
}

void CLayers::done(int result)
{
    QDialog::done(result);
    if (document && document->layersDialog == this)
        document->layersDialog = nullptr;
    document = nullptr;
    deleteLater();
}
