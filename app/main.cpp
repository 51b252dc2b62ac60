#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CDravonelApp.h"
#include "InfoOptions.h"

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Without a display and without a platform chosen (QT_QPA_PLATFORM or -platform), the toolkit would
// abort with a core dump while making the application object. Only that plain case is caught here; a
// display that is set but cannot be reached is still the toolkit's to report.
bool HasPlatform(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
    }
    return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
    // --help and --version answer before the QApplication connects to a display.
    if (const auto info = InfoOptionText(argc, argv)) return PrintInfoText(*info, stdout, stderr);
    if (!HasPlatform(argc, argv)) {
        std::fputs(
            "dravonel: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "  Start it from a desktop session; or serve it over VNC with QT_QPA_PLATFORM=vnc and connect a\n"
            "  VNC viewer to port 5900 (the vnc platform comes with the Debian package qt6-qpa-plugins); or\n"
            "  use the command-line program dravonel-cli, which needs no display.\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    CDravonelApp theApp;
    if (!theApp.InitInstance()) return 1;
    return application.exec();
}
