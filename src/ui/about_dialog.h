#pragma once

#include <QDialog>

// The About box: the program icon, its name and version, and an OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
