#include "reports/Attestato.h"

#include <cmath>

#include "platform/Clock.h"
#include "shell/Modulo1.h"
#include "shell/Testi.h"

namespace {

// The grade of a practice below half of the answers right: such a certificate is not printed.
const QString kNonClassificato = QStringLiteral("Non classificato");

}  // namespace

QString giudizioDelVoto(int voto) {
    switch (voto) {
        case 10:
        case 9:
            return QStringLiteral("OTTIMO");
        case 8:
            return QStringLiteral("DISTINTO");
        case 7:
            return QStringLiteral("BUONO");
        case 6:
            return QStringLiteral("SUFFICIENTE");
        case 5:
            return QStringLiteral("SUFFICIENTE (!)");
        default:
            return kNonClassificato;
    }
}

int votoDi(int totaleEsatte, int contatoreOperazioni) {
    // Before any operation there is nothing to grade (and nothing to divide by).
    if (contatoreOperazioni <= 0)
        return 0;
    return int(std::floor(double(totaleEsatte) * 10.0 / double(contatoreOperazioni)));
}

QString normalizzaNome(const QString& nome) {
    // The first character may be a pair of UTF-16 units (a letter outside the basic plane).
    const qsizetype primo =
        nome.size() >= 2 && nome.at(0).isHighSurrogate() && nome.at(1).isLowSurrogate() ? 2 : 1;
    return nome.left(primo).toUpper() + nome.mid(primo).toLower();
}

Attestato compilaAttestato(Modulo1& stato, const QString& rigaModalita, Clock& clock) {
    Attestato a;
    a.rigaData = QStringLiteral("Data        ") + clock.shortDate();

    stato.lunghezzaNome = int(stato.nomeAlunno.size());
    stato.nomeAlunno = normalizzaNome(stato.nomeAlunno);
    a.nome = stato.nomeAlunno;

    a.rigaMotivo = QStringLiteral("per aver  conseguito l'obiettivo");
    a.rigaObiettivo1 = QStringLiteral(" Eseguire le moltiplicazioni");
    a.rigaModalita = rigaModalita;
    a.rigaNumeri = QStringLiteral(" Numeri da ") + Str(stato.numeroMinimo) + QStringLiteral(" a") +
                   Str(stato.numeroMassimo);

    stato.voto = votoDi(stato.totaleEsatte, stato.contatoreOperazioni);
    stato.giudizio = giudizioDelVoto(stato.voto);
    a.voto = stato.voto;
    a.giudizio = stato.giudizio;
    a.stampabile = a.giudizio != kNonClassificato;

    a.rigaPerche = QStringLiteral("Per aver dato ") + QString::number(stato.totaleEsatte) +
                   QStringLiteral(" risposte esatte su ") +
                   QString::number(stato.contatoreOperazioni);
    return a;
}
