// Printing to a PDF file through the real Qt printer: the time to lay out and render the
// operations page of a whole practice, and the certificate.
#include <QTemporaryDir>

#include "PraticaScriptata.h"
#include "platform/QtPrinter.h"
#include "reports/FrmAttestato.h"
#include "reports/PaginaOperazioni.h"
#include "shell/Aspetto.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    preparaAspetto();

    Pratica pratica;
    pratica.fakes.clock.passo = 2.3;
    pratica.fakes.dialogs.risposta = Dialogs::Yes;
    pratica.apri();
    pratica.rispondiTutteGiuste();

    QTemporaryDir cartella;
    std::unique_ptr<QtPrinter> stampante = QtPrinter::toPdf(cartella.filePath("prima.pdf"));
    stampante->fontCount();  // the font list is built once per run, timed apart
    std::vector<double> pagina, certificato;
    FrmAttestato& attestato = pratica.finestre.attestato();
    Finestre::mostra(attestato);
    attestato.Form_Activate();
    for (int i = 0; i < 10; ++i) {
        stampante->setPdfOutput(cartella.filePath(QStringLiteral("pagina%1.pdf").arg(i)));
        pagina.push_back(cronometra([&] { stampa(pratica.stato, *stampante); }));
        stampante->setPdfOutput(cartella.filePath(QStringLiteral("attestato%1.pdf").arg(i)));
        certificato.push_back(cronometra([&] {
            stampante->printForm(attestato);
            stampante->endDoc();
        }));
    }
    stampaMisure("operations page to PDF", pagina);
    stampaMisure("certificate to PDF", certificato);
    return 0;
}
