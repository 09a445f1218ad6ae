#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QtEndian>
#include <chrono>
#include <cmath>
#include <iostream>
#include <vector>

#include "platform/QtSound.h"
#include "support/PulseAudioPrivato.h"
#include "support/Registratore.h"

using namespace std::chrono_literals;
using Clock = Registratore::Clock;

namespace {

// A sample is audible from 1 % of full scale; the same threshold serves for the file and for
// the recording, so their audible lengths compare.
constexpr int kSoglia = 328;

struct Wav {
    int frequenza = 0;
    std::vector<qint16> campioni;  // the first channel
};

// Reads a 16-bit PCM WAV file; an empty result if it is not one.
Wav leggiWav(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray byte = file.readAll();
    if (byte.size() < 12 || !byte.startsWith("RIFF") || byte.mid(8, 4) != "WAVE")
        return {};
    Wav wav;
    int canali = 0;
    for (qsizetype i = 12; i + 8 <= byte.size();) {
        const QByteArray id = byte.mid(i, 4);
        const qsizetype lunghezza = qFromLittleEndian<quint32>(byte.constData() + i + 4);
        const char* dati = byte.constData() + i + 8;
        if (i + 8 + lunghezza > byte.size())
            return {};
        if (id == "fmt " && lunghezza >= 16) {
            if (qFromLittleEndian<quint16>(dati) != 1 ||
                qFromLittleEndian<quint16>(dati + 14) != 16)
                return {};
            canali = qFromLittleEndian<quint16>(dati + 2);
            wav.frequenza = int(qFromLittleEndian<quint32>(dati + 4));
        } else if (id == "data" && canali > 0) {
            for (qsizetype s = 0; s + 2 * canali <= lunghezza; s += 2 * canali)
                wav.campioni.push_back(qFromLittleEndian<qint16>(dati + s));
        }
        i += 8 + lunghezza + (lunghezza & 1);
    }
    return wav;
}

// The first and the last audible sample in [da, a), or -1 and -1 when nothing is audible.
struct Tratto {
    qint64 primo = -1, ultimo = -1;
    bool udibile() const { return primo >= 0; }
    qint64 campioni() const { return ultimo - primo + 1; }
};

Tratto trattoUdibile(const std::vector<qint16>& campioni, qint64 da, qint64 a) {
    Tratto tratto;
    da = std::max<qint64>(da, 0);
    a = std::min<qint64>(a, qint64(campioni.size()));
    for (qint64 i = da; i < a; ++i) {
        if (std::abs(int(campioni[size_t(i)])) >= kSoglia) {
            if (tratto.primo < 0)
                tratto.primo = i;
            tratto.ultimo = i;
        }
    }
    return tratto;
}

double millisecondi(Clock::duration durata) {
    return std::chrono::duration<double, std::milli>(durata).count();
}

}  // namespace

// The adapter plays the shipped chime five times, one play every kIntervallo, through a private
// PulseAudio server to a null sink whose monitor is recorded. Each play must be heard for at
// least 90 % of the file's audible length, from its first to its last audible sample, and its
// first audible sample must be rendered by the sink within 150 ms of the call.
TEST(QtSoundOnASoundServer, EveryChimeIsHeardWholeSoonAfterThePlay) {
    constexpr auto kIntervallo = 800ms;
    constexpr int kSuoni = 5;

    const QString file = QCoreApplication::applicationDirPath() + "/positivo.wav";
    const Wav chime = leggiWav(file);
    ASSERT_GT(chime.frequenza, 0) << file.toStdString() << " is not a 16-bit PCM WAV file";
    const Tratto nelFile = trattoUdibile(chime.campioni, 0, qint64(chime.campioni.size()));
    ASSERT_TRUE(nelFile.udibile()) << "nothing audible in " << file.toStdString();
    const double udibile = double(nelFile.campioni()) / chime.frequenza;

    PulseAudioPrivato server;
    ASSERT_TRUE(server.avviato()) << "the private PulseAudio server: "
                                  << server.errore().toStdString();
    Registratore registratore(PulseAudioPrivato::monitor());
    ASSERT_TRUE(registratore.avviato()) << registratore.errore().toStdString();
    // The null sink renders ahead in blocks of its default latency (about 2 s) until it next
    // wakes; suspended and resumed, it takes the recorder's short latency at once.
    QString uscita;
    ASSERT_TRUE(server.pactl({"suspend-sink", PulseAudioPrivato::sink(), "1"}, &uscita))
        << uscita.toStdString();
    ASSERT_TRUE(server.pactl({"suspend-sink", PulseAudioPrivato::sink(), "0"}, &uscita))
        << uscita.toStdString();
    QTest::qWait(200);  // the blocks rendered before the suspension are all in
    registratore.azzera();
    ASSERT_TRUE(registratore.attendi(Clock::now() + 100ms, 10s))
        << "the recorder gets nothing: " << registratore.errore().toStdString();

    QtSound sound;
    std::vector<Clock::time_point> chiamate;
    for (int i = 0; i < kSuoni; ++i) {
        chiamate.push_back(Clock::now());
        ASSERT_TRUE(sound.play(file, Sound::Async));
        ASSERT_TRUE(registratore.attendi(chiamate.back() + kIntervallo, 10s))
            << "the recorder stopped: " << registratore.errore().toStdString();
    }
    chiamate.push_back(chiamate.back() + kIntervallo);

    const std::vector<qint16> registrati = registratore.campioni();
    for (int i = 0; i < kSuoni; ++i) {
        const Tratto sentito =
            trattoUdibile(registrati, qint64(std::ceil(registratore.indice(chiamate[i]))),
                          qint64(std::ceil(registratore.indice(chiamate[i + 1]))));
        ASSERT_TRUE(sentito.udibile()) << "play " << i + 1 << " was not heard";
        const double ritardo = millisecondi(registratore.istante(sentito.primo) - chiamate[i]);
        const double durata = double(sentito.campioni()) / Registratore::kFrequenza;
        std::cout << "play " << i + 1 << ": heard " << ritardo << " ms after the call, for "
                  << durata * 1000 << " ms of the file's " << udibile * 1000 << " ms\n";
        EXPECT_LE(ritardo, 150.0) << "play " << i + 1 << " started late";
        EXPECT_GE(durata, 0.9 * udibile) << "play " << i + 1 << " was cut short";
    }
}
