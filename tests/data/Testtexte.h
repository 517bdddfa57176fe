#pragma once
#include <gtest/gtest.h>

#include <string>

#include "data/Datentext.h"

// Builds data file texts in memory: three valid sections, any of which a
// test replaces by its own text.
namespace testtexte {

inline const std::string Bild = "bilddaten:\nDATA 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 7\nDATA 0\n";
inline const std::string Bank = "bankdaten:\nDATA 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12\n";

inline std::string Taktik() {
    std::string text = "taktikdaten:\n";
    for (int i = 1; i <= 36; ++i)
        text += "DATA " + std::to_string(i) + ", " + std::to_string(-i) + ", " +
                std::to_string(1000 + i) + "\n";
    return text;
}

inline std::string Text(const std::string& bild = Bild, const std::string& bank = Bank,
                        const std::string& taktik = Taktik()) {
    return bild + bank + taktik;
}

// Bankdaten loaded from a bankdaten section `werte` that follows the
// header directly.
inline pelu::Tabellen MitBank(const std::string& werte) {
    return pelu::DatentextLaden(Text(Bild, "bankdaten:\n" + werte, Taktik()), "t.txt", 299, 274);
}

inline pelu::Tabellen Laden(const std::string& text) {
    return pelu::DatentextLaden(text, "t.txt", 299, 274);
}

// Whether `text` contains `teil`; shows the whole text when not.
inline testing::AssertionResult Enthaelt(const std::string& text, const std::string& teil) {
    if (text.find(teil) != std::string::npos) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "\"" << text << "\" enthält nicht \"" << teil << "\"";
}

} // namespace testtexte
