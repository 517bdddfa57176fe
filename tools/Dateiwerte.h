#pragma once
#include <cstdint>

namespace pelu::brett {

// The loader turns a file coordinate v into the pixel R(v * factor + centre)
// in single precision. These give back the one file value that lands exactly
// on a wanted pixel offset from the centre, or throw std::runtime_error when
// no file value does (not every pixel is reachable: the units are 16/15 and
// 16/11 pixels).
int16_t DateiwertX(int versatz);
int16_t DateiwertY(int versatz);

} // namespace pelu::brett
