#include "support/Registratore.h"

#include <QProcess>
#include <QTest>
#include <algorithm>
#include <cstring>

#include "support/ProcessoFiglio.h"

Registratore::Registratore(const QString& sorgente) {
    thread_.reset(QThread::create([this, sorgente] { registra(sorgente); }));
    thread_->start();
    std::unique_lock lock(mutex_);
    avvio_.wait(lock, [this] { return partito_ || !errore_.isEmpty(); });
}

Registratore::~Registratore() {
    fine_ = true;
    thread_->wait();
}

bool Registratore::avviato() const {
    std::lock_guard lock(mutex_);
    return partito_ && errore_.isEmpty();
}

QString Registratore::errore() const {
    std::lock_guard lock(mutex_);
    return errore_;
}

// The thread of the recorder: parec writes raw samples to its standard output, read as they
// come; each read notes its moment before anything else.
void Registratore::registra(const QString& sorgente) {
    QProcess parec;
    terminaColTest(parec);
    parec.start("parec", {"-d", sorgente, "--raw", "--format=s16le", "--rate=44100", "--channels=1",
                          "--latency-msec=10"});
    const bool partito = parec.waitForStarted(10000);
    {
        std::lock_guard lock(mutex_);
        partito_ = partito;
        if (!partito)
            errore_ =
                "parec did not start (" + parec.errorString() + "); tools/install-deps installs it";
    }
    avvio_.notify_all();
    if (!partito)
        return;

    while (!fine_) {
        if (parec.waitForReadyRead(20)) {
            const Clock::time_point arrivo = Clock::now();
            aggiungi(parec.readAllStandardOutput(), arrivo);
        } else if (parec.state() == QProcess::NotRunning) {
            std::lock_guard lock(mutex_);
            errore_ = "parec stopped: " + QString::fromLocal8Bit(parec.readAllStandardError());
            return;
        }
    }
    fermaProcesso(parec);
}

void Registratore::aggiungi(const QByteArray& blocco, Clock::time_point arrivo) {
    std::lock_guard lock(mutex_);
    resto_ += blocco;
    const qsizetype interi = resto_.size() / 2;
    const size_t prima = campioni_.size();
    campioni_.resize(prima + interi);
    std::memcpy(campioni_.data() + prima, resto_.constData(), interi * 2);  // s16le on x86
    resto_.remove(0, interi * 2);
    if (campioni_.empty())
        return;

    const auto durata = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(double(campioni_.size()) / kFrequenza));
    const Clock::duration candidato = arrivo.time_since_epoch() - durata;
    t0_ = allineato_ ? std::min(t0_, candidato) : candidato;
    allineato_ = true;
}

void Registratore::azzera() {
    std::lock_guard lock(mutex_);
    campioni_.clear();
    resto_.clear();
    allineato_ = false;
}

std::vector<qint16> Registratore::campioni() const {
    std::lock_guard lock(mutex_);
    return campioni_;
}

Registratore::Clock::time_point Registratore::istante(double indice) const {
    std::lock_guard lock(mutex_);
    return Clock::time_point(t0_ + std::chrono::duration_cast<Clock::duration>(
                                       std::chrono::duration<double>(indice / kFrequenza)));
}

double Registratore::indice(Clock::time_point istante) const {
    std::lock_guard lock(mutex_);
    return std::chrono::duration<double>(istante.time_since_epoch() - t0_).count() * kFrequenza;
}

bool Registratore::attendi(Clock::time_point istante, std::chrono::milliseconds attesaMassima) {
    const auto raggiunto = [&] {
        const auto durata = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(double(campioni_.size()) / kFrequenza));
        return allineato_ && t0_ + durata >= istante.time_since_epoch();
    };
    const bool finito = QTest::qWaitFor(
        [&] {
            std::lock_guard lock(mutex_);
            return raggiunto() || !errore_.isEmpty();
        },
        int(attesaMassima.count()));
    std::lock_guard lock(mutex_);
    return finito && raggiunto();
}
