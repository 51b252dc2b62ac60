#pragma once

#include <QObject>

// The Export dialog as a user drives it: the offered name, the empty-name warning, typing, Browse, Esc.
class ExportDlgTest : public QObject {
    Q_OBJECT
private slots:
    void controlsInTabOrder();
    void offersTheNameItIsGiven();
    void emptyNameWarnsAndStaysOpen_data();
    void emptyNameWarnsAndStaysOpen();
    void typedNameIsTakenAsTyped();
    void leavingWithoutExportKeepsTheName_data();
    void leavingWithoutExportKeepsTheName();
    void browseAdoptsTheAbsolutePath();
    void browseCancelledChangesNothing();
};
