#include "InfoOptions.h"

#include <string_view>

#include "DravonelVersion.h"

namespace {

constexpr const char* kHelpText =
    "Usage: dravonel [--help | --version] [toolkit options]\n"
    "Opens the form of the pavement cooling program: the weather, the hot mix, the lift and the surface it\n"
    "is placed on. Calculate predicts how fast the lift cools and when roller compaction should start and\n"
    "must stop, in minutes after laydown, draws the cooling curve, and can print it or export the report.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this text and stop\n"
    "  --version      show the program's version and stop\n"
    "\n"
    "Other arguments go to the Qt toolkit, e.g. -platform NAME or -style NAME.\n"
    "One calculation without a window: dravonel-cli (see dravonel-cli --help).\n";

constexpr const char* kVersionText = "dravonel " DRAVONEL_VERSION_MAJOR_MINOR "\n";

}  // namespace

std::optional<std::string> InfoOptionText(int argc, const char* const* argv) {
    for (int i = 1; i < argc && argv[i]; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") return kHelpText;
        if (arg == "--version") return kVersionText;
    }
    return std::nullopt;
}

int PrintInfoText(const std::string& text, std::FILE* out, std::FILE* err) {
    const bool bWritten = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (bWritten && std::fflush(out) == 0 && !std::ferror(out)) return 0;
    std::fputs("dravonel: cannot write to standard output\n", err);
    return 1;
}
