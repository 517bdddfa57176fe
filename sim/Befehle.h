#pragma once
#include <string>
#include <vector>

namespace pelu {

// The subcommands of pelu-sim. Each gets the arguments after its own name
// and returns the exit code: 0 success, 1 data file not loadable, 2 bad
// arguments.
int BefehlPruefen(const std::vector<std::string>& argumente);
int BefehlZuege(const std::vector<std::string>& argumente);
int BefehlSpielen(const std::vector<std::string>& argumente);
int BefehlTurnier(const std::vector<std::string>& argumente);

} // namespace pelu
