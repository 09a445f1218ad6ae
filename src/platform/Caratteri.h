#pragma once

#include <thread>

// Reads the system's font configuration on a second thread while the application object
// connects to the display. The start window needs its fonts before it can be shown, and on
// Linux loading fontconfig's configuration and caches is the largest part of that work.
// Elsewhere (Windows) there is nothing to prepare.
class PreparazioneCaratteri {
  public:
    PreparazioneCaratteri();
    ~PreparazioneCaratteri();
    PreparazioneCaratteri(const PreparazioneCaratteri&) = delete;
    PreparazioneCaratteri& operator=(const PreparazioneCaratteri&) = delete;

    // Waits until the configuration is loaded; call it before the first window is built.
    void attendi();

  private:
    std::thread lavoro_;
};
