#include <QApplication>
#include <QtTest>

#include "DialogsTest.h"
#include "ExportDlgTest.h"
#include "PicturesTest.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int nFailed = 0;
    {
        DialogsTest dialogs;
        nFailed += QTest::qExec(&dialogs, argc, argv);
    }
    {
        ExportDlgTest exportDialog;
        nFailed += QTest::qExec(&exportDialog, argc, argv);
    }
    {
        PicturesTest pictures;
        nFailed += QTest::qExec(&pictures, argc, argv);
    }
    return nFailed == 0 ? 0 : 1;
}
