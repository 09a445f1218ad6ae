#include "platform/Caratteri.h"

#ifdef DRILL_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

PreparazioneCaratteri::PreparazioneCaratteri() {
#ifdef DRILL_HAS_FONTCONFIG
    // fontconfig initialises itself once per process and is safe to call from any thread;
    // Qt's font database then finds the configuration ready.
    lavoro_ = std::thread([] { FcInit(); });
#endif
}

PreparazioneCaratteri::~PreparazioneCaratteri() {
    attendi();
}

void PreparazioneCaratteri::attendi() {
    if (lavoro_.joinable())
        lavoro_.join();
}
