#pragma once
#include <chrono>
#include <string>

namespace pelu {

// The progress line of a long run on stderr: games done, games per second,
// time left. Shown only when switched on (stderr is a terminal), at most five
// times a second, and wiped again at the end.
class Fortschritt {
  public:
    Fortschritt(bool an, int gesamt);
    ~Fortschritt();
    Fortschritt(const Fortschritt&) = delete;
    Fortschritt& operator=(const Fortschritt&) = delete;

    void Melden(int gespielt);

  private:
    using Uhr = std::chrono::steady_clock;
    bool an_;
    int gesamt_;
    bool gezeigt_ = false;
    Uhr::time_point anfang_ = Uhr::now();
    Uhr::time_point zuletzt_ = anfang_;
};

// The text of the line after `sekunden` with `gespielt` of `gesamt` games done.
std::string Fortschrittszeile(int gespielt, int gesamt, double sekunden);

} // namespace pelu
