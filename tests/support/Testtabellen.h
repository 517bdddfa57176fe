#pragma once
#include <functional>

#include "state/Tabellen.h"

// Tables that tests and benchmarks build in code instead of loading a file.
namespace pelu::test {

// The twelve bench fields of the shipped board design.
void BankfelderFuellen(pelu::Tabellen& daten);

// Tactic rows with one priority for every pair of danger categories:
// prioritaet(katZiel, katJetzt), row 1 + 6 * katJetzt + katZiel.
void TaktikFuellen(pelu::Tabellen& daten, const std::function<int(int, int)>& prioritaet);

// A small board: track fields 20 px apart in a row (slots running down
// from y 40 to 104), lanes likewise at y 200, homes (y 400) and goals
// (y 450) four points each. The benches of the shipped board; tactic
// priority 10 + 4 * target category - current category.
pelu::Tabellen Testtabellen();

} // namespace pelu::test
