#pragma once

#include <QObject>

// The artwork drawn by code: exact sizes, text and figure present, nothing spilling over the edges.
class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void picturesByName_data();
    void picturesByName();
    void dialogPicturesHaveTextAndFigure_data();
    void dialogPicturesHaveTextAndFigure();
    void iconAndToolbarImage();
};
