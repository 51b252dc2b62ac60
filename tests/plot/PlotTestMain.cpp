#include <QApplication>
#include <QtTest>

#include "CoolingPlotTest.h"
#include "PrintPageTest.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int nFailed = 0;
    {
        CoolingPlotTest plot;
        nFailed += QTest::qExec(&plot, argc, argv);
    }
    {
        PrintPageTest page;
        nFailed += QTest::qExec(&page, argc, argv);
    }
    return nFailed == 0 ? 0 : 1;
}
