#include <QApplication>

#include "CDravonelApp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CDravonelApp theApp;
    if (!theApp.InitInstance()) return 1;
    return application.exec();
}
