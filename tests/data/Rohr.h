#pragma once
// A named pipe (FIFO) in a fresh folder of its own, and a writer that fills
// it as soon as a reader has opened it.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>

namespace pelu::test {

struct Rohr {
    Rohr() {
        std::string muster = (std::filesystem::temp_directory_path() / "pelu-rohr-XXXXXX").string();
        ordner = mkdtemp(muster.data());
        pfad = (ordner / "Peludaten.txt").string();
        mkfifo(pfad.c_str(), 0600);
    }
    ~Rohr() { std::filesystem::remove_all(ordner); }
    std::filesystem::path ordner;
    std::string pfad;
};

// Writes `text` into the pipe in two halves, `verzug` after the reader
// opened it and again between the halves. Gives up after ten seconds
// without a reader, so a loader that never opens cannot hang the test.
class Rohrschreiber {
  public:
    Rohrschreiber(const Rohr& rohr, std::string text, std::chrono::milliseconds verzug)
        : faden_([pfad = rohr.pfad, text = std::move(text), verzug] {
              int nummer = -1;
              for (int versuch = 0; nummer < 0 && versuch < 1000; ++versuch) {
                  // Opening for writing fails (ENXIO) until a reader has the pipe open.
                  nummer = open(pfad.c_str(), O_WRONLY | O_NONBLOCK);
                  if (nummer < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
              }
              if (nummer < 0) return;
              fcntl(nummer, F_SETFL, 0);
              const std::string_view ganz = text;
              for (const std::string_view teil :
                   {ganz.substr(0, ganz.size() / 2), ganz.substr(ganz.size() / 2)}) {
                  std::this_thread::sleep_for(verzug);
                  if (write(nummer, teil.data(), teil.size()) < 0) break;
              }
              close(nummer);
          }) {}
    ~Rohrschreiber() { faden_.join(); }

  private:
    std::thread faden_;
};

} // namespace pelu::test
