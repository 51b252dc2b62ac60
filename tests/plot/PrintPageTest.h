#pragma once

#include <QObject>

// The printed page: title, inputs, results and the chart, on an image and in a PDF.
class PrintPageTest : public QObject {
    Q_OBJECT
private slots:
    void pageShowsTextAndChart_data();
    void pageShowsTextAndChart();
    void pdfPageIsWritten();
};
