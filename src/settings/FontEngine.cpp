#include "settings/FontEngine.h"

#include <cmath>

namespace vesk {

namespace {
FontEngine* registeredEngine = nullptr;
}

void RegisterFontEngine(FontEngine* engine) { registeredEngine = engine; }

FontEngine* GetFontEngine() { return registeredEngine; }

double GetScreenResolution() {
    constexpr double kUsualResolution = 96.0;
    if (registeredEngine == nullptr) {
        return kUsualResolution;
    }
    double resolution = registeredEngine->GetScreenResolution();
    return std::isfinite(resolution) && resolution >= 1.0 ? resolution : kUsualResolution;
}

}  // namespace vesk
