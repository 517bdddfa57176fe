#pragma once
#include <string>

#include "data/Datentext.h"

// Data file texts in memory: three valid sections, any of which a test
// replaces by its own text.
namespace pelu::test {

// The UTF-8 byte-order mark some editors put at the start of a file.
inline const std::string Bytereihenfolgemarke = "\xEF\xBB\xBF";

inline const std::string Bild = "bilddaten:\nDATA 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 7\nDATA 0\n";
inline const std::string Bank = "bankdaten:\nDATA 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12\n";

// Row i holds i, -i, 1000 + i.
inline std::string Taktik() {
    std::string text = "taktikdaten:\n";
    for (int i = 1; i <= 36; ++i)
        text += "DATA " + std::to_string(i) + ", " + std::to_string(-i) + ", " +
                std::to_string(1000 + i) + "\n";
    return text;
}

inline std::string Text(const std::string& bild = Bild, const std::string& bank = Bank) {
    return bild + bank + Taktik();
}

inline pelu::Tabellen Laden(const std::string& text) {
    return pelu::DatentextLaden(text, "t.txt", 299, 274);
}

} // namespace pelu::test
