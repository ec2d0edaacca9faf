#include <benchmark/benchmark.h>

#include <QApplication>

#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/QtFontEngine.h"
#include "settings/FontData.h"

int main(int argc, char** argv) {
    // No display is needed, and a real one would only add its own noise.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vesk::QtFontEngine engine;
    vesk::RegisterFontEngine(&engine);
    vesk::CVeskNoteWnd::SetTitleFont(vesk::FontData(u"DejaVu Sans", 10, true, false));
    vesk::CVeskNoteWnd::SetDefaultContentFont(vesk::FontData(u"DejaVu Sans", 12, false, false));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    vesk::RegisterFontEngine(nullptr);
    return 0;
}
