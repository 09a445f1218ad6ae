#include "shell/Messaggio.h"

#include "platform/Dialogs.h"
#include "shell/Modulo1.h"

void mostraMessaggio(Modulo1& stato, Dialogs& dialogs, const QString& testo,
                     const QString& titolo) {
    stato.testoMessaggio = testo;
    stato.titoloMessaggio = titolo;
    stato.rispostaMessaggio =
        dialogs.messageBox(stato.testoMessaggio, stato.stileMessaggio, stato.titoloMessaggio);
}
