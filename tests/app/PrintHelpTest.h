#pragma once

#include <QObject>

// Ctrl+P prints the form and the chart; F1, Shift+F1 and "Help Topics" open the program's help.
class PrintHelpTest : public QObject {
    Q_OBJECT
private slots:
    void printWritesAPageWithTheChart_data();
    void printWritesAPageWithTheChart();
    void printCancelledWritesNothing();
    void printerThatCannotBeOpenedIsReported();
    void helpOpensFromEveryWay_data();
    void helpOpensFromEveryWay();
    void helpOpensAtTheFocusedField();
    void helpExplainsEveryInputTimeAndNotice();
};
