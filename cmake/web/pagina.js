// The page of ROVOROREZOVERED.1: loads the program with Qt's loader and shows how far the
// download has come; keeps the page large enough for the program's largest window on a narrow
// tablet; asks before leaving while the program runs; tells the end of a session from a crash;
// and lets a tablet's on-screen keyboard type into the program's text boxes.
'use strict';
(function () {
  const programma = document.currentScript.dataset.programma;
  const attesa = document.getElementById('attesa');
  const stato = document.getElementById('stato');
  const avanzamento = document.getElementById('avanzamento');
  const dettaglio = document.getElementById('dettaglio');
  const tela = document.getElementById('qtcanvas');
  const tastiera = document.getElementById('tastiera');
  let inCorso = false;

  // Every window whole on any page: where the page is smaller than the program's largest window,
  // the certificate (800 x 600) with the title bar and borders Qt draws, the canvas is made that
  // much larger and shown scaled down to the page. Qt keeps drawing at the device's own scale, the
  // only one it draws widgets right at; it reads the canvas's size, unscaled, from
  // getBoundingClientRect, and the places of touches, which the browser gives on the page as
  // shown, are brought back to the canvas's own pixels. Turned, the page follows.
  const kLarghezza = 816;
  const kAltezza = 640;
  let scala = 1;
  function adattaPagina() {
    const larghezza = window.innerWidth;
    const altezza = window.innerHeight;
    scala = Math.min(1, larghezza / kLarghezza, altezza / kAltezza);
    tela.style.width = Math.floor(larghezza / scala) + 'px';
    tela.style.height = Math.floor(altezza / scala) + 'px';
    tela.style.transform = scala < 1 ? 'scale(' + scala + ')' : '';
  }
  adattaPagina();
  window.addEventListener('resize', adattaPagina);
  const rettangolo = Element.prototype.getBoundingClientRect;
  tela.getBoundingClientRect = function () {
    const r = rettangolo.call(tela);
    return new DOMRect(r.left, r.top, r.width / scala, r.height / scala);
  };
  function toccoRiportato(evento) {
    if (scala === 1 || evento.target !== tela || evento.drillRiportato)
      return;
    evento.stopImmediatePropagation();
    evento.preventDefault();
    const r = rettangolo.call(tela);
    const riporta = function (t) {
      const x = r.left + (t.clientX - r.left) / scala;
      const y = r.top + (t.clientY - r.top) / scala;
      return new Touch({identifier: t.identifier, target: tela, clientX: x, clientY: y,
                        pageX: x, pageY: y, screenX: t.screenX, screenY: t.screenY});
    };
    const copia = new TouchEvent(evento.type, {
      bubbles: true, cancelable: true,
      touches: Array.from(evento.touches, riporta),
      targetTouches: Array.from(evento.targetTouches, riporta),
      changedTouches: Array.from(evento.changedTouches, riporta),
      ctrlKey: evento.ctrlKey, shiftKey: evento.shiftKey, altKey: evento.altKey,
      metaKey: evento.metaKey,
    });
    copia.drillRiportato = true;
    tela.dispatchEvent(copia);
  }
  for (const tipo of ['touchstart', 'touchmove', 'touchend', 'touchcancel'])
    window.addEventListener(tipo, toccoRiportato, {capture: true, passive: false});

  // The share of the program downloaded so far: a copy of its WebAssembly's download is read as
  // it arrives and counted against its size (the page carries it: a server that compresses does
  // not say it), while Qt's loader compiles the download itself as it streams in.
  const fetchDelBrowser = window.fetch.bind(window);
  window.fetch = function (indirizzo, opzioni) {
    return fetchDelBrowser(indirizzo, opzioni).then(function (risposta) {
      if (!String(indirizzo).endsWith('.wasm') || !risposta.ok || !risposta.body)
        return risposta;
      const lettore = risposta.clone().body.getReader();
      let ricevuti = 0;
      const leggi = function () {
        lettore.read().then(function (parte) {
          if (parte.done) {
            stato.textContent = 'Preparazione del programma…';
            return;
          }
          ricevuti += parte.value.byteLength;
          avanzamento.value = Math.min(ricevuti, avanzamento.max);
          stato.textContent = 'Caricamento… ' +
              Math.min(100, Math.floor(100 * ricevuti / avanzamento.max)) + '%';
          leggi();
        }, function () {});
      };
      leggi();
      return risposta;
    });
  };

  // While the program runs, leaving the page (a stray F5 or Ctrl+W, the browser's back button)
  // asks first: the practice lives in the page alone.
  function trattieni(evento) {
    evento.preventDefault();
    evento.returnValue = '';
  }
  function mostra(testo, perche) {
    inCorso = false;
    window.removeEventListener('beforeunload', trattieni);
    stato.textContent = testo;
    avanzamento.style.display = 'none';
    dettaglio.textContent = perche || '';
    attesa.style.display = 'block';
    tela.style.visibility = 'hidden';
    tastiera.blur();
  }
  function errore(perche) {
    mostra('Il programma si è fermato per un errore. Ricarica la pagina per ricominciare.',
           String(perche || ''));
  }
  // The program's own end (FINE SESSIONE, or its last window closed).
  globalThis.drillFineSessione = function () {
    mostra('Sessione terminata. Ricarica la pagina per ricominciare.');
  };
  // A crash: an abort, memory run out, an error that escaped the program.
  window.addEventListener('error', function (evento) {
    if (inCorso)
      errore(evento.message);
  });
  window.addEventListener('unhandledrejection', function (evento) {
    if (inCorso)
      errore(evento.reason);
  });

  // A tablet's on-screen keyboard opens for an element of the page that takes text, focused
  // while the pupil's finger is on the screen: the program asks for it when a tap lands on one
  // of its text boxes, and what the keyboard types goes to the program as keys. The box keeps a
  // mark before the text so that Backspace always has something to delete; the text after it is
  // what the keyboard has typed (a word being composed changes it more than a letter at a time).
  const kSegno = '\u200b';
  let scritto = '';
  let componendo = false;
  let modulo = null;
  function azzera() {
    tastiera.value = kSegno;
    scritto = '';
  }
  function invia(testo) {
    if (modulo && testo)
      modulo.drillTasto(testo);
  }
  globalThis.drillTastiera = {
    mostra: function (programmaInCorso) {
      modulo = programmaInCorso;
      azzera();
      tastiera.focus({preventScroll: true});
    },
    nascondi: function () {
      if (document.activeElement === tastiera)
        tela.focus({preventScroll: true});
    },
  };
  tastiera.addEventListener('input', function () {
    if (!tastiera.value.startsWith(kSegno)) {
      // The mark itself deleted: a Backspace on the box as it was.
      for (let i = 0; i <= scritto.length; ++i)
        invia('Backspace');
      azzera();
      return;
    }
    const ora = tastiera.value.slice(kSegno.length);
    let comune = 0;
    while (comune < scritto.length && comune < ora.length && scritto[comune] === ora[comune])
      ++comune;
    for (let i = comune; i < scritto.length; ++i)
      invia('Backspace');
    invia(ora.slice(comune));
    scritto = ora;
    if (!componendo)
      azzera();
  });
  tastiera.addEventListener('compositionstart', function () { componendo = true; });
  tastiera.addEventListener('compositionend', function () {
    componendo = false;
    azzera();
  });
  // The keys that type no text, from the on-screen keyboard or a keyboard plugged in.
  tastiera.addEventListener('keydown', function (evento) {
    if (!componendo && ['Enter', 'Tab', 'Escape', 'Backspace'].includes(evento.key)) {
      evento.preventDefault();
      invia(evento.key);
    }
  });
  // The keyboard closed by the pupil: the keys go to the program's canvas again.
  tastiera.addEventListener('blur', function () {
    if (inCorso && document.activeElement !== tela)
      tela.focus({preventScroll: true});
  });

  function avvia() {
    const caricatore = QtLoader({
      canvasElements: [tela],
      showLoader: function (fase) {
        if (fase === 'Compiling')
          stato.textContent = 'Preparazione del programma…';
      },
      showError: function (perche) {
        mostra('Il programma non si è avviato: ' + perche);
      },
      showExit: function (crashed, codice) {
        if (crashed)
          errore(caricatore.exitText);
        else
          errore('codice ' + codice);
      },
      showCanvas: function () {
        attesa.style.display = 'none';
        inCorso = true;
        window.addEventListener('beforeunload', trattieni);
        // The keys go to the program from the start: the name is typed at once.
        tela.focus();
      },
    });
    caricatore.loadEmscriptenModule(programma);
  }
  window.addEventListener('load', avvia);
})();
