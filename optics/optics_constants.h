#pragma once

// (No <numbers> here: Qt's moc, which reads the window headers that include this one, cannot
// parse it. interface.cpp checks that kDegree is std::numbers::pi / 180 to the last bit.)

// The numbers every colour window and tracer shares: one degree, the band that white light is
// sampled over, and how many wavelengths a student may ask for.
namespace lumenary
{

// One degree in radians: multiply degrees by it, divide radians by it.
inline constexpr double kDegree = 3.141592653589793238462643383279502884 / 180.0;

// White light is sampled from violet to red over this band, in nanometres, both ends included.
inline constexpr double kBandShort = 400.0;
inline constexpr double kBandLong = 700.0;

// How many wavelengths white light may be split into.
inline constexpr int kMinWavelengths = 3;
inline constexpr int kMaxWavelengths = 400;

// The i-th of count wavelengths spread evenly over the band, both ends included; a single
// wavelength (count < 2) is the middle of the band.
inline double bandWavelength(int i, int count)
{
    if (count < 2)
        return (kBandShort + kBandLong) / 2.0;
    return kBandShort + (kBandLong - kBandShort) * i / (count - 1);
}

} // namespace lumenary
