#pragma once

#include <QObject>

// The accelerator table's edit and pane keys have no command in the program; they must still do their
// ordinary work inside the form's edit fields.
class EditKeysTest : public QObject {
    Q_OBJECT
private slots:
    void editKeysReachTheField_data();
    void editKeysReachTheField();
    void onlyKeysWithCommandsAreBound();
};
