#pragma once

#include <QString>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

// Records a PulseAudio source, typically a sink's monitor: `parec`, 44100 Hz mono 16-bit,
// read on a thread of its own that notes the moment each block arrives, whatever the test's
// thread is doing. From those moments it places every sample on the steady clock: the sink
// renders samples one after another at the sample rate, so sample i was rendered at
// t0 + i / rate, and no block can arrive before its last sample was rendered. t0 is the
// earliest arrival of a block less the duration of the samples up to its end; late
// deliveries (a busy machine) only ever make an arrival later, never earlier.
// parec is stopped by its process id: TERM, then KILL.
class Registratore {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kFrequenza = 44100;

    explicit Registratore(const QString& sorgente);
    ~Registratore();
    Registratore(const Registratore&) = delete;
    Registratore& operator=(const Registratore&) = delete;

    // Whether parec is running; if not, errore() says why.
    bool avviato() const;
    QString errore() const;

    // Forgets what was recorded so far and starts the timeline again from the next block:
    // for after the sink changed its timing (a suspend and resume).
    void azzera();

    // What was recorded since the start or the last azzera().
    std::vector<qint16> campioni() const;
    // The moment sample `indice` was rendered, and the index of the sample rendered at
    // `istante` (it may lie outside what was recorded). Both need a recorded block.
    Clock::time_point istante(double indice) const;
    double indice(Clock::time_point istante) const;

    // Processes events until the recording reaches `istante` or `attesaMassima` passes;
    // returns whether it was reached.
    bool attendi(Clock::time_point istante, std::chrono::milliseconds attesaMassima);

  private:
    void registra(const QString& sorgente);
    void aggiungi(const QByteArray& blocco, Clock::time_point arrivo);

    mutable std::mutex mutex_;
    std::vector<qint16> campioni_;
    QByteArray resto_;  // an odd byte waiting for its pair
    bool allineato_ = false;
    Clock::duration t0_{};  // time_since_epoch of sample 0
    QString errore_;
    bool partito_ = false;
    std::condition_variable avvio_;

    std::atomic<bool> fine_{false};
    std::unique_ptr<QThread> thread_;
};
