#include <QApplication>
#include <cstdio>

#include "CDravonelApp.h"
#include "InfoOptions.h"

int main(int argc, char* argv[]) {
    // --help and --version answer before the QApplication connects to a display.
    if (const auto info = InfoOptionText(argc, argv)) return PrintInfoText(*info, stdout, stderr);
    QApplication application(argc, argv);
    CDravonelApp theApp;
    if (!theApp.InitInstance()) return 1;
    return application.exec();
}
