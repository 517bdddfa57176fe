#include "data/Datendateisuche.h"

#include <filesystem>

#include "data/Laden.h"

#if !defined(PELU_DATENORDNER_RELATIV) || !defined(PELU_INSTALLIERTE_DATENDATEI)
#error                                                                                             \
    "PELU_DATENORDNER_RELATIV (data folder relative to the program folder) and PELU_INSTALLIERTE_DATENDATEI (the data file's name there) are set by the build"
#endif

namespace pelu {

namespace {

bool Vorhanden(const std::filesystem::path& datei) {
    std::error_code fehler;
    return std::filesystem::exists(datei, fehler);
}

} // namespace

std::string InstallierteDatendatei(const std::string& programmordner) {
    const std::filesystem::path ordner =
        std::filesystem::path(programmordner) / PELU_DATENORDNER_RELATIV;
    return (ordner / PELU_INSTALLIERTE_DATENDATEI).lexically_normal().string();
}

std::string DatendateiSuchen(const std::string& pfad, const std::string& programmordner) {
    const std::string hier = pfad + Datendateiname;
    if (Vorhanden(hier)) return hier;
    const std::string installiert = InstallierteDatendatei(programmordner);
    if (Vorhanden(installiert)) return installiert;
    OeffnenFehlgeschlagen(hier, {Ladetext::Nirgends, {installiert}});
}

} // namespace pelu
