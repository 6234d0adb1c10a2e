#pragma once

class ekran;

// Where the console's screen is shown and its keys come from.
class terminal {
  public:
    virtual ~terminal() = default;
    virtual int klawisz(const ekran& e) = 0;
    virtual void czekaj(int milisekundy, const ekran& e) = 0;
};

// Installs the terminal the console uses from now on; returns the previous one.
terminal* ustaw_terminal(terminal* t);
