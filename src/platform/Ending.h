#pragma once

// The end of the program at once (the certificate's "FINE SESSIONE"), once its windows are gone.
class Ending {
  public:
    virtual ~Ending() = default;
    virtual void endProgram() = 0;
};
