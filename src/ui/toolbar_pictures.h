#pragma once

#include <QIcon>

// The pictures of the toolbar buttons (16 x 15 pixels each) and the program
// icon, drawn here rather than loaded from files.
QIcon zoomPicture();
QIcon panPicture();
QIcon turnPicture();
QIcon rollPicture();
QIcon fitPicture();
QIcon programIcon();
