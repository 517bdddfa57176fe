#include "data/Dateiinhalt.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "data/Laden.h"

// The standard library can only open a named pipe by blocking until a
// writer comes, so this one file reads through the POSIX calls.
namespace pelu {

namespace {

// A data file has a few kilobytes; far larger input (or a device without
// end) would otherwise be read until memory runs out.
constexpr std::size_t HoechsteDateigroesse = 16u * 1024u * 1024u;

// How long a pipe or device may stay silent before it counts as empty
// for good; a pipe that delivers a file has its first bytes far sooner.
constexpr int WartezeitMs = 1000;

// Closes the descriptor on every way out, the thrown ones included.
class Dateigriff {
  public:
    explicit Dateigriff(int nummer) : nummer_(nummer) {}
    ~Dateigriff() {
        if (nummer_ >= 0) ::close(nummer_);
    }
    Dateigriff(const Dateigriff&) = delete;
    Dateigriff& operator=(const Dateigriff&) = delete;
    int Nummer() const { return nummer_; }

  private:
    int nummer_;
};

// Waits for bytes or the writer's end: 1 when something arrived, 0 when
// the source stayed silent, -1 when waiting failed.
int WartenAufDaten(int nummer) {
    pollfd warten{nummer, POLLIN, 0};
    while (true) {
        const int bereit = ::poll(&warten, 1, WartezeitMs);
        if (bereit >= 0 || errno != EINTR) return bereit > 0 ? 1 : bereit;
    }
}

} // namespace

std::string DateiinhaltLesen(const std::string& datei) {
    std::error_code fehler;
    if (!std::filesystem::exists(datei, fehler))
        OeffnenFehlgeschlagen(datei, {Ladetext::NichtGefunden, {}});
    if (std::filesystem::is_directory(datei, fehler))
        OeffnenFehlgeschlagen(datei, {Ladetext::Ordner, {}});
    const Ladesatz unlesbar{Ladetext::Unlesbar, {}};
    // Without O_NONBLOCK, opening a named pipe waits for a writer forever.
    const Dateigriff griff(::open(datei.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat art {};
    if (griff.Nummer() < 0 || ::fstat(griff.Nummer(), &art) != 0)
        OeffnenFehlgeschlagen(datei, unlesbar);
    const bool gewoehnlich = S_ISREG(art.st_mode);

    std::string inhalt;
    char block[65536];
    // A pipe without a writer reads as ended before anything was written;
    // only what arrives after waiting is its true end.
    bool angekommen = gewoehnlich;
    while (true) {
        const ssize_t gelesen = ::read(griff.Nummer(), block, sizeof block);
        if (gelesen > 0) {
            inhalt.append(block, static_cast<std::size_t>(gelesen));
            angekommen = true;
            if (inhalt.size() > HoechsteDateigroesse)
                OeffnenFehlgeschlagen(datei, {Ladetext::ZuGross, {}});
            continue;
        }
        if (gelesen == 0 && angekommen) break;
        if (gelesen < 0 && errno == EINTR) continue;
        if (gelesen < 0 && errno != EAGAIN) OeffnenFehlgeschlagen(datei, unlesbar);
        const int gewartet = WartenAufDaten(griff.Nummer());
        if (gewartet < 0) OeffnenFehlgeschlagen(datei, unlesbar);
        if (gewartet == 0) OeffnenFehlgeschlagen(datei, {Ladetext::Stumm, {}});
        angekommen = true;
    }
    return inhalt;
}

} // namespace pelu
