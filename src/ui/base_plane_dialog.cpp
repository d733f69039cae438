#include "ui/base_plane_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "ui/dialog_units.h"

namespace {
constexpr double InchesPerCentimetre = 0.39370078740157477;

double unitFactor(bool centimetres)
{
    return centimetres ? 2.54 : 1.0;
}

QString unitName(bool centimetres)
{
    return centimetres ? QStringLiteral("[cm]") : QStringLiteral("[inch]");
}

// The arrow picture of the colour button: 11 x 6 pixels, a dark triangle
// pointing down on a light background.
QPixmap arrowPicture()
{
    QImage image(11, 6, QImage::Format_RGB32);
    image.fill(QColor(0xF0, 0xF0, 0xF0));
    for (int row = 0; row < 6; ++row) {
        const int dark = 11 - 2 * row;
        for (int x = row; x < row + dark; ++x)
            image.setPixel(x, row, qRgb(0x20, 0x20, 0x20));
    }
    return QPixmap::fromImage(image);
}
} // namespace

unsigned colourRef(const QColor& colour)
{
    return static_cast<unsigned>(colour.red()) | static_cast<unsigned>(colour.green()) << 8 |
           static_cast<unsigned>(colour.blue()) << 16;
}

QColor colourFromRef(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

FloorLevel* FloorLevel::open(CRavloViewerDoc& document, QWidget* owner, bool centimetres)
{
    if (auto* open = dynamic_cast<FloorLevel*>(document.basePlaneDialog)) {
        open->raise();
        open->activateWindow();
        open->refreshUnits(centimetres);
        return open;
    }
    auto* dialog = new FloorLevel(document, owner, centimetres);
    document.basePlaneDialog = dialog;
    dialog->show();
    return dialog;
}

FloorLevel::FloorLevel(CRavloViewerDoc& document, QWidget* owner, bool centimetres)
    : QDialog(owner), document(&document), owner(owner), centimetres(centimetres)
{
    setWindowTitle(QStringLiteral("Base Plane Properties "));
    setModal(false);
    levelValue = document.basePlaneLevel * unitFactor(centimetres);
    unitText = unitName(centimetres);
    createControls();
    fieldsToControls();
    visibleBox->setChecked(document.showBasePlane);
    const int position = std::clamp(100 - document.basePlaneOpacity, 0, 100);
    transparencyBar->setValue(position);
    transparencyText = QStringLiteral("%1%").arg(position);
    fieldsToControls();
    setFixedSize(dialogUnitRect(0, 0, 153, 70).size());
}

FloorLevel::~FloorLevel()
{
    if (document && document->basePlaneDialog == this)
        document->basePlaneDialog = nullptr;
}

void FloorLevel::createControls()
{
    auto* frame = new QGroupBox(this);
    frame->setGeometry(dialogUnitRect(4, 42, 31, 22));
    frame->lower();

    visibleBox = new QCheckBox(QStringLiteral("Visible"), this);
    visibleBox->setGeometry(dialogUnitRect(7, 9, 35, 10));
    connect(visibleBox, &QCheckBox::clicked, this, &FloorLevel::onVisibleClicked);

    auto* zLabel = new QLabel(QStringLiteral("Z:"), this);
    zLabel->setGeometry(dialogUnitRect(55, 9, 8, 10));
    levelEdit = new QLineEdit(this);
    levelEdit->setGeometry(dialogUnitRect(67, 7, 53, 12));
    unitLabel = new QLabel(this);
    unitLabel->setGeometry(dialogUnitRect(123, 9, 26, 10));

    auto* transparencyName = new QLabel(QStringLiteral("Transparancy:"), this);
    transparencyName->setGeometry(dialogUnitRect(7, 26, 48, 8));
    transparencyBar = new QSlider(Qt::Horizontal, this);
    transparencyBar->setGeometry(dialogUnitRect(53, 24, 99, 14));
    transparencyBar->setRange(0, 100);
    transparencyBar->setTickPosition(QSlider::NoTicks);
    connect(transparencyBar, &QSlider::valueChanged, this, &FloorLevel::onTransparencyMoved);
    transparencyLabel = new QLabel(QStringLiteral("Static"), this);
    transparencyLabel->setGeometry(dialogUnitRect(104, 43, 23, 10));

    colourButton = new QPushButton(this);
    colourButton->setGeometry(dialogUnitRect(23, 47, 11, 16));
    colourButton->setIcon(QIcon(arrowPicture()));
    colourButton->setIconSize(QSize(11, 6));
    colourButton->setAutoDefault(false);
    connect(colourButton, &QPushButton::clicked, this, &FloorLevel::onColourClicked);
}

void FloorLevel::fieldsToControls()
{
    levelEdit->setText(QString::number(levelValue, 'g', 15));
    unitLabel->setText(unitText);
    transparencyLabel->setText(transparencyText);
}

bool FloorLevel::controlsToFields()
{
    bool ok = false;
    const double value = levelEdit->text().trimmed().toDouble(&ok);
    // A non-finite height would put the plane nowhere: refused like any
    // other text that is not a number.
    if (!ok || !std::isfinite(value)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Enter a number."));
        levelEdit->setFocus();
        levelEdit->selectAll();
        return false;
    }
    levelValue = value;
    return true;
}

void FloorLevel::refreshUnits(bool inCentimetres)
{
    centimetres = inCentimetres;
    unitText = unitName(centimetres);
    if (document)
        levelValue = document->basePlaneLevel * unitFactor(centimetres);
    fieldsToControls();
    update();
}

void FloorLevel::applyLevel()
{
    if (!document || !controlsToFields())
        return;
    document->basePlaneLevel = levelValue * (centimetres ? InchesPerCentimetre : 1.0);
    fieldsToControls();
    levelEdit->selectAll();
    repaintOwner();
}

void FloorLevel::onVisibleClicked()
{
    if (!document)
        return;
    document->showBasePlane = !document->showBasePlane;
    repaintOwner();
}

void FloorLevel::onTransparencyMoved(int position)
{
    position = std::clamp(position, 0, 100);
    transparencyText = QStringLiteral("%1%").arg(position);
    if (document)
        document->basePlaneOpacity = 100 - position;
    fieldsToControls();
    repaintOwner();
}

void FloorLevel::onColourClicked()
{
    if (!document)
        return;
    const QColor chosen = QColorDialog::getColor(colourFromRef(document->basePlaneColor), this);
    if (!chosen.isValid() || !document)
        return;
    document->basePlaneColor = colourRef(chosen);
    update(swatchFrame());
    repaintOwner();
}

void FloorLevel::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(swatchFrame(), Qt::white);
    if (document)
        painter.fillRect(swatchRect(), colourFromRef(document->basePlaneColor));
}

void FloorLevel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        applyLevel();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FloorLevel::repaintOwner()
{
    if (owner)
        owner->update();
}

void FloorLevel::closeDialog()
{
    document = nullptr;
    hide();
    deleteLater();
}

void FloorLevel::done(int result)
{
    QDialog::done(result);
    if (document && document->basePlaneDialog == this)
        document->basePlaneDialog = nullptr;
    document = nullptr;
    deleteLater();
}
