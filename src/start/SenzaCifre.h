#pragma once

#include <QValidator>
#include <functional>

// Keeps the digits out of a name box whatever way they come in (a paste by keys or menu, a
// drop, the selection pasted by the middle button); typed digits are stopped by the box's key
// handler before they get here. The rest of the text stays, and each refusal runs `rifiuto`
// (the beep).
class SenzaCifre final : public QValidator {
  public:
    SenzaCifre(std::function<void()> rifiuto, QObject* parent);

    State validate(QString& testo, int& cursore) const override;

  private:
    std::function<void()> rifiuto_;
};
