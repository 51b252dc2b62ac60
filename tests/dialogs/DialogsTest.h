#pragma once

#include <QObject>

// What each of the five dialogs shows and how it ends, as a user meets it.
class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void captionSizeAndFrame_data();
    void captionSizeAndFrame();
    void keysEndTheDialog_data();
    void keysEndTheDialog();
    void everyTextFits_data();
    void everyTextFits();
    void aboutBoxTexts();
    void picturesAtTheirOwnSize_data();
    void picturesAtTheirOwnSize();
    void saveScreenshots_data();
    void saveScreenshots();
};
