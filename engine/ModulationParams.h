// The modulation parameter record shared by the main window, the parameters dialog and the
// engine, with its kind codes and the modulation index of each family.
#pragma once

#include <cstdint>
#include <cstring>

constexpr int32_t MOD_NONE = 0;
constexpr int32_t MOD_AM_FAMILY = 1;
constexpr int32_t MOD_FM = 2;
constexpr int32_t MOD_AM = 3;
constexpr int32_t MOD_PM = 4;
constexpr int32_t MOD_DSB_SC = 5;
constexpr int32_t MOD_SSB_USB = 7;
constexpr int32_t MOD_SSB_LSB = 9;
constexpr int32_t MOD_VSB = 11;

// Modulation constants shown in the parameters dialog.
constexpr double KA = 1.0;
constexpr double KF = 15000.0;
constexpr double KP = 1.0;

constexpr double PARAM_UNSET = -1.0;

struct ModulationParams
{
	double ampMod = PARAM_UNSET;
	double freqMod = PARAM_UNSET;
	double ampCarrier = PARAM_UNSET;
	double simTime = PARAM_UNSET;
	double freqCarrier = PARAM_UNSET;
	int32_t kind = MOD_NONE;
	double modIndex = PARAM_UNSET;
};

// Every odd code, the transient MOD_AM_FAMILY included, belongs to the amplitude family.
inline bool IsAmplitudeFamily(int32_t kind)
{
	return (kind & 1) != 0;
}

// Bit for bit, so that -0.0 or a value merely close to -1.0 counts as set.
inline bool IsParamUnset(double value)
{
	const double unset = PARAM_UNSET;
	return std::memcmp(&value, &unset, sizeof(double)) == 0;
}

// The index of the record's family from its amplitudes and frequency; PARAM_UNSET when the
// kind names no family (MOD_NONE).
inline double ModulationIndex(const ModulationParams& params)
{
	if (IsAmplitudeFamily(params.kind))
		return params.ampMod / params.ampCarrier;
	if (params.kind == MOD_FM)
		return params.ampMod * KF / params.freqMod;
	if (params.kind == MOD_PM)
		return params.ampMod;
	return PARAM_UNSET;
}
