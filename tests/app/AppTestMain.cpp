#include <QApplication>
#include <QTest>

#include "EditKeysTest.h"
#include "FileCommandsTest.h"
#include "FrameBarsTest.h"
#include "PrintHelpTest.h"
#include "StartupTest.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    int nFailed = 0;
    StartupTest startup;
    nFailed += QTest::qExec(&startup, argc, argv);
    FrameBarsTest frameBars;
    nFailed += QTest::qExec(&frameBars, argc, argv);
    FileCommandsTest fileCommands;
    nFailed += QTest::qExec(&fileCommands, argc, argv);
    PrintHelpTest printHelp;
    nFailed += QTest::qExec(&printHelp, argc, argv);
    EditKeysTest editKeys;
    nFailed += QTest::qExec(&editKeys, argc, argv);
    return nFailed == 0 ? 0 : 1;
}
