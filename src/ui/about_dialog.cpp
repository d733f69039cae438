#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "ui/toolbar_pictures.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About RavloViewer"));
    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(32, 32));
    auto* version = new QLabel(QStringLiteral("RavloViewer, Version 1.0.7"), this);
    auto* purpose = new QLabel(QStringLiteral("A 3D viewer for Morvane model railroad layouts"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(version, 0, 1);
    grid->addWidget(purpose, 1, 1);
    grid->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
    setFixedSize(sizeHint());
}
