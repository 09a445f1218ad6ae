#pragma once

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QObject>
#include <QString>
#include <QTimer>

// The control called `nome` (its objectName) inside `finestra`; a test failure when there is
// none.
template <class T = QWidget>
T* controllo(const QObject* finestra, const QString& nome) {
    T* trovato = finestra ? finestra->findChild<T*>(nome) : nullptr;
    EXPECT_NE(trovato, nullptr) << "no control " << nome.toStdString();
    return trovato;
}

// Destroys the windows that closed themselves (they go with the next turn of the event loop).
inline void eliminaChiuse() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// "FINE SESSIONE" tells the application to quit; in a test process no loop is running, so the
// request stays pending and would end the next modal loop (a real message box) at once. One
// turn of the application's own loop takes it away.
inline void dimenticaFineProgramma() {
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// Pastes `testo` into `casella` as the pupil does with the mouse: its context menu, "Paste".
inline void incollaDalMenu(QLineEdit* casella, const QString& testo) {
    QGuiApplication::clipboard()->setText(testo);
    QContextMenuEvent evento(QContextMenuEvent::Mouse, QPoint(5, 5),
                             casella->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(casella, &evento);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "no context menu";
    QAction* incolla = nullptr;
    for (QAction* azione : menu->actions())
        if (azione->text().startsWith(QLineEdit::tr("&Paste")))
            incolla = azione;
    ASSERT_NE(incolla, nullptr) << "no Paste in the context menu";
    incolla->trigger();
    menu->close();
    eliminaChiuse();
}
