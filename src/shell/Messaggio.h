#pragma once

#include <QString>

class Dialogs;
struct Modulo1;

// The session's generic message: `testo` and `titolo` go to testoMessaggio and titoloMessaggio,
// the box is shown in the session's message style (stileMessaggio: OK alone, no icon), and the
// button pressed is kept in rispostaMessaggio.
void mostraMessaggio(Modulo1& stato, Dialogs& dialogs, const QString& testo, const QString& titolo);
