// The three generated waveforms of a run, checked against their formulas evaluated here in
// the documented order, and the scales handed to the scopes.
#include "engine/ParamRanges.h"
#include "engine/SpectralLines.h"
#include "engine/Synthesis.h"
#include "engine/TimeBase.h"
#include "sigkit/signal/Signal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace
{
	constexpr double STEP = 0.25132741232;

	double Reduced(double theta)
	{
		return theta - std::trunc(theta * 0.15915494307111402) * 6.283185308;
	}

	ModulationParams Params(int32_t kind, double am, double ap, double fm = 10000.0, double fp = 200000.0, double simTime = 0.0002)
	{
		ModulationParams params;
		params.ampMod = am;
		params.freqMod = fm;
		params.ampCarrier = ap;
		params.simTime = simTime;
		params.freqCarrier = fp;
		params.kind = kind;
		if (kind == MOD_FM)
			params.modIndex = am * 15000.0 / fm;
		else if (kind == MOD_PM)
			params.modIndex = am;
		else
			params.modIndex = am / ap;
		return params;
	}

	// The modulated signal's generator of each kind, as the main window picks it.
	ScopeScales GenerateModulated(const ModulationParams& params, double carrierPeriod, const CSignal& vm,
		const SamplePhases& phases, CSignal& vmto)
	{
		switch (params.kind)
		{
		case MOD_AM:
			return GenerateAM(params, carrierPeriod, vm, phases, vmto);
		case MOD_DSB_SC:
			return GenerateDSBSC(params, carrierPeriod, vm, phases, vmto);
		case MOD_SSB_USB:
			return GenerateSSBUSB(params, carrierPeriod, vm, vmto);
		case MOD_SSB_LSB:
			return GenerateSSBLSB(params, carrierPeriod, vm, vmto);
		case MOD_VSB:
			return GenerateVSB(params, carrierPeriod, vm, phases, vmto);
		case MOD_FM:
			return GenerateFM(params, carrierPeriod, phases, vmto);
		case MOD_PM:
			return GeneratePM(params, carrierPeriod, vm, vmto);
		default:
			return GenerateFlat(params, vmto);
		}
	}

	struct SynthesisScales
	{
		ScopeScales modulating;
		ScopeScales carrier;
		ScopeScales modulated;
	};

	// One run in the main window's steps: the three signals sized, Vm and Vp, then Vmto over the
	// family header for the amplitude kinds.
	SynthesisScales RunSynthesis(const ModulationParams& params, CSignal& vm, CSignal& vp, CSignal& vmto,
		SamplePhases& phases)
	{
		const double carrierPeriod = 1.0 / params.freqCarrier;
		const UINT n = static_cast<UINT>(SampleCount(params));
		vm.RedimXY(n);
		vp.RedimXY(n);
		vmto.RedimXY(n);
		SynthesisScales scales;
		scales.modulating = GenerateModulating(params, carrierPeriod, vm, phases);
		scales.carrier = GenerateCarrier(params, carrierPeriod, vp, phases);
		if (IsAmplitudeFamily(params.kind))
			WriteModulatedHeader(params, vmto);
		scales.modulated = GenerateModulated(params, carrierPeriod, vm, phases, vmto);
		return scales;
	}

	struct SynthesisRun
	{
		explicit SynthesisRun(const ModulationParams& params)
			: scales(RunSynthesis(params, vm, vp, vmto, phases))
		{
		}

		CSignal vm;
		CSignal vp;
		CSignal vmto;
		SamplePhases phases;
		SynthesisScales scales;
	};

	int UpwardCrossings(const CSignal& signal)
	{
		int count = 0;
		for (UINT i = 1; i < signal.m_nPoints; ++i)
			if (signal.m_pY[i - 1] < 0.0 && signal.m_pY[i] >= 0.0)
				++count;
		return count;
	}

	// Sample of the modulated signal from its abscissa and modulating sample, in the
	// documented evaluation order, before any blanking.
	double ExpectedSample(const ModulationParams& p, double x, double vm)
	{
		const double ap = p.ampCarrier, fm = p.freqMod, fp = p.freqCarrier, m = p.modIndex;
		const double cp = 1.0 / fp;
		switch (p.kind)
		{
		case MOD_AM:
			return (vm + ap) * std::cos(Reduced(x * cp * fp));
		case MOD_DSB_SC:
			return std::cos(Reduced(x * fm * cp)) * std::cos(Reduced(x * fp * cp)) * m * ap;
		case MOD_SSB_USB:
			return std::cos(Reduced(x * (fm + fp) * cp)) * (ap * m * 0.5);
		case MOD_SSB_LSB:
			return std::cos(Reduced(x * (fp - fm) * cp)) * (ap * m * 0.5);
		case MOD_VSB:
			return ap * (std::cos(Reduced(x * cp * fp)) + std::cos(Reduced(x * (fm + fp) * cp)) * (m * 0.5));
		case MOD_FM:
			return std::cos(Reduced(Reduced(x * cp * fp) + std::sin(Reduced(x * fm * cp)) * m)) * ap;
		default: // MOD_PM
			return std::cos(Reduced(Reduced(x * cp * fp) + vm)) * ap;
		}
	}

	double ExpectedPeak(const ModulationParams& p)
	{
		const double ap = p.ampCarrier, m = p.modIndex;
		switch (p.kind)
		{
		case MOD_AM:
			return p.ampMod + ap;
		case MOD_DSB_SC:
			return m * ap;
		case MOD_SSB_USB:
		case MOD_SSB_LSB:
			return m * ap * 0.5;
		case MOD_VSB:
			return (m * 0.5 + 1) * ap;
		default:
			return ap;
		}
	}

	ModulationParams WithoutIndex(ModulationParams params)
	{
		params.modIndex = -1.0;
		return params;
	}
}

TEST(Synthesis, EveryKindMatchesItsFormula)
{
	const ModulationParams cases[] = {
		Params(MOD_AM, 0.5, 1.0),
		Params(MOD_AM, 1.0, 1.0),
		Params(MOD_AM, 2.0, 1.0),
		Params(MOD_DSB_SC, 0.9, 3.0),
		Params(MOD_DSB_SC, 2.0, 1.0),
		Params(MOD_SSB_USB, 1.3, 1.1, 7000.0),
		Params(MOD_SSB_USB, 1.5, 1.0),
		Params(MOD_SSB_LSB, 0.5, 1.0),
		Params(MOD_SSB_LSB, 3.0, 1.0),
		Params(MOD_SSB_LSB, 0.5, 1.0, 30000.0, 10000.0, 0.002),
		Params(MOD_VSB, 2.0, 2.0),
		Params(MOD_VSB, 1.2, 1.0, 3000.0),
		Params(MOD_VSB, 0.3, 0.7),
		Params(MOD_FM, 5.0, 1.0),
		// The phase deviation comes from the stored modulating samples, never from the index.
		WithoutIndex(Params(MOD_PM, 5.0, 1.5, 25000.0)),
	};
	for (const ModulationParams& p : cases)
	{
		SCOPED_TRACE(testing::Message() << "kind " << p.kind << " Am " << p.ampMod << " Ap " << p.ampCarrier << " fm " << p.freqMod);
		const SynthesisRun run(p);
		const double peak = ExpectedPeak(p);
		const double cp = 1.0 / p.freqCarrier;
		ASSERT_GT(run.vmto.m_nPoints, 0u);
		ASSERT_EQ(run.vm.m_nPoints, run.vmto.m_nPoints);
		ASSERT_EQ(run.vp.m_nPoints, run.vmto.m_nPoints);

		double x = 0.0;
		int blanked = 0;
		for (UINT i = 0; i < run.vmto.m_nPoints; ++i, x += STEP)
		{
			const double theta = Reduced(x * cp * p.freqMod);
			const double vm = p.kind == MOD_PM ? p.ampMod * std::sin(theta) : p.ampMod * std::cos(theta);
			ASSERT_EQ(run.vm.m_pX[i], x) << i;
			ASSERT_EQ(run.vp.m_pX[i], x) << i;
			ASSERT_EQ(run.vmto.m_pX[i], x) << i;
			ASSERT_EQ(run.vm.m_pY[i], vm) << i;
			ASSERT_EQ(run.vp.m_pY[i], p.ampCarrier * std::cos(Reduced(x * cp * p.freqCarrier))) << i;
			const bool cut = IsAmplitudeFamily(p.kind) && vm + p.ampCarrier < 0.0;
			if (cut)
				++blanked;
			ASSERT_EQ(run.vmto.m_pY[i], cut ? 0.0 : ExpectedSample(p, x, vm)) << i;
			ASSERT_LE(std::fabs(run.vmto.m_pY[i]), peak * (1 + 1e-12)) << i;
		}
		EXPECT_EQ(blanked > 0, IsAmplitudeFamily(p.kind) && p.modIndex > 1.0) << blanked;

		EXPECT_EQ(run.vmto.m_nType, 3);
		EXPECT_EQ(run.vmto.m_dStepX, 0.25132741232);
		EXPECT_EQ(run.vmto.m_dAmplitude, peak);
		EXPECT_EQ(run.vmto.m_dFrequency, p.freqCarrier);
		EXPECT_EQ(run.vmto.m_dPeriod, p.simTime);
		EXPECT_EQ(run.scales.modulated.yRange, peak * 2.2);
		EXPECT_EQ(run.scales.modulated.xRange, x * 1.01);
		EXPECT_EQ(run.scales.modulating.xRange, x * 1.01);
		EXPECT_EQ(run.scales.modulating.yRange, p.ampMod * 2.2);
		EXPECT_EQ(run.scales.carrier.yRange, p.ampCarrier * 2.2);
		// What a scope is given again when the window re-plays the signals it keeps.
		const std::pair<const CSignal*, ScopeScales> kept[] = {
			{&run.vm, run.scales.modulating}, {&run.vp, run.scales.carrier}, {&run.vmto, run.scales.modulated}};
		for (const auto& [pSignal, scales] : kept)
		{
			EXPECT_EQ(ScalesOf(*pSignal).yRange, scales.yRange);
			EXPECT_EQ(ScalesOf(*pSignal).xRange, scales.xRange);
		}
	}
}

TEST(Synthesis, DefaultRun)
{
	const SynthesisRun run(Params(MOD_AM, 0.5, 1.0));
	ASSERT_EQ(run.vm.m_nPoints, 1000u);
	EXPECT_NEAR(run.vm.m_pX[999], 251.0761, 5e-5);
	EXPECT_EQ(run.scales.modulating.xRange, 253.84068644319635);
	EXPECT_EQ(run.scales.carrier.xRange, 253.84068644319635);
	EXPECT_DOUBLE_EQ(run.scales.modulated.yRange, 3.3);
	EXPECT_EQ(run.vm.m_pY[0], 0.5);
	EXPECT_EQ(UpwardCrossings(run.vm), 2);
	EXPECT_EQ(UpwardCrossings(run.vp), 40);
	EXPECT_EQ(run.vm.m_nType, 3);
	EXPECT_EQ(run.vm.m_dFrequency, 10000.0);
	EXPECT_EQ(run.vp.m_dFrequency, 200000.0);
	EXPECT_EQ(run.vp.m_dPeriod, 0.0002);
}

TEST(Synthesis, PhaseModulationIsDrivenByASine)
{
	const SynthesisRun pm(Params(MOD_PM, 5.0, 1.0));
	const SynthesisRun fm(Params(MOD_FM, 5.0, 1.0));
	EXPECT_EQ(pm.vm.m_pY[0], 0.0);
	EXPECT_EQ(fm.vm.m_pY[0], 5.0);
	EXPECT_EQ(fm.scales.modulated.yRange, 2.2);
}

TEST(Synthesis, FrequencyModulationKeepsAConstantEnvelope)
{
	const SynthesisRun run(Params(MOD_FM, 5.0, 1.0));
	ASSERT_EQ(run.vmto.m_nPoints, 1000u);
	// Even at the highest instantaneous frequency a carrier period holds a sample near a crest.
	for (UINT start = 0; start + 25 <= run.vmto.m_nPoints; start += 25)
	{
		double crest = 0.0;
		for (UINT i = start; i < start + 25; ++i)
			crest = std::fmax(crest, std::fabs(run.vmto.m_pY[i]));
		EXPECT_GT(crest, 0.98) << start;
	}
}

TEST(Synthesis, LowerSidebandBelowZeroIsTheMirroredFrequency)
{
	const ModulationParams p = Params(MOD_SSB_LSB, 0.5, 1.0, 30000.0, 10000.0, 0.002);
	const SynthesisRun run(p);
	// 25·T·fp is 500, but the sample count's evaluation order lands just below it.
	ASSERT_EQ(run.vmto.m_nPoints, 499u);
	for (UINT i = 0; i < run.vmto.m_nPoints; ++i)
		ASSERT_NEAR(run.vmto.m_pY[i], 0.25 * std::cos(run.vmto.m_pX[i] * 2.0), 1e-7) << i;
}

TEST(Synthesis, SampleCountLimitsResizeAllSignals)
{
	SynthesisRun run(Params(MOD_DSB_SC, 0.5, 1.0, 10000.0, 200000.0, 1.0));
	EXPECT_EQ(run.vm.m_nPoints, 3000u);
	EXPECT_EQ(run.vp.m_nPoints, 3000u);
	EXPECT_EQ(run.vmto.m_nPoints, 3000u);

	const SynthesisScales empty = RunSynthesis(Params(MOD_AM, 0.5, 1.0, 10000.0, 100.0, 0.0001), run.vm, run.vp, run.vmto,
		run.phases);
	EXPECT_EQ(run.vm.m_nPoints, 0u);
	EXPECT_EQ(run.vp.m_nPoints, 0u);
	EXPECT_EQ(run.vmto.m_nPoints, 0u);
	EXPECT_EQ(empty.modulating.xRange, 0.0);
	EXPECT_EQ(empty.modulated.xRange, 0.0);
	EXPECT_EQ(empty.modulated.yRange, 1.5 * 2.2);
}

TEST(Synthesis, UnchosenVariantGivesAFlatTrace)
{
	const SynthesisRun run(Params(MOD_AM_FAMILY, 0.5, 1.0));
	ASSERT_EQ(run.vmto.m_nPoints, 1000u);
	for (UINT i = 0; i < run.vmto.m_nPoints; ++i)
		ASSERT_EQ(run.vmto.m_pY[i], 0.0) << i;
	EXPECT_EQ(run.vmto.m_dAmplitude, 1.0);
	EXPECT_EQ(run.scales.modulated.yRange, 2.2);
}

// Every corner of the accepted ranges at the longest time, with an index the dialog takes: an
// amplitude that would give more than 60 is lowered to give 60, where the peaks are largest.
TEST(Synthesis, EndsOfTheAcceptedRangesGiveFiniteSignalsAndLines)
{
	const double amplitudes[] = {AMPLITUDE_RANGE.min, AMPLITUDE_RANGE.max};
	const double frequencies[] = {FREQUENCY_RANGE.min, FREQUENCY_RANGE.max};
	const double simTime = SIM_TIME_RANGE.max;
	for (int32_t kind : {MOD_AM, MOD_DSB_SC, MOD_SSB_USB, MOD_SSB_LSB, MOD_VSB, MOD_FM, MOD_PM})
		for (int corner = 0; corner < 16; ++corner)
		{
			const double ap = amplitudes[corner & 1], am = amplitudes[(corner >> 1) & 1];
			const double fp = frequencies[(corner >> 2) & 1], fm = frequencies[(corner >> 3) & 1];
			ModulationParams params = Params(kind, am, ap, fm, fp, simTime);
			if (params.modIndex > 60.0)
				params = Params(kind, am * 60.0 / params.modIndex, ap, fm, fp, simTime);
			SCOPED_TRACE(::testing::Message() << "kind " << kind << " corner " << corner);
			const SynthesisRun run(params);
			ASSERT_GT(run.vmto.m_nPoints, 0u);
			std::vector<double> values = AmplitudeSideLines(params);
			for (const AngleLine& line : AngleSpectralLines(params))
				values.push_back(line.amplitude);
			for (const CSignal* pSignal : {&run.vm, &run.vp, &run.vmto})
			{
				values.insert(values.end(), pSignal->m_pY, pSignal->m_pY + pSignal->m_nPoints);
				values.push_back(pSignal->m_dAmplitude);
			}
			for (const ScopeScales& scales : {run.scales.modulating, run.scales.carrier, run.scales.modulated})
				values.insert(values.end(), {scales.yRange, scales.xRange});
			EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); }));
		}
}

// FNV-1a over the bytes of X and Y of the three signals: any change in any bit of any sample shows.
// The expected values were taken from the generators before they were made faster.
TEST(Synthesis, SamplesKeepEveryBit)
{
	const auto checksum = [](const SynthesisRun& run)
	{
		uint64_t hash = 14695981039346656037ull;
		for (const CSignal* signal : {&run.vm, &run.vp, &run.vmto})
			for (const double* values : {signal->m_pX, signal->m_pY})
			{
				const auto* bytes = reinterpret_cast<const unsigned char*>(values);
				for (size_t i = 0; i < sizeof(double) * signal->m_nPoints; i++)
					hash = (hash ^ bytes[i]) * 1099511628211ull;
			}
		return hash;
	};
	// A run at the sample cap, and one of 1274 samples with m > 1 (cut envelope) and fm > fp.
	const ModulationParams sets[] = {Params(MOD_AM, 0.5, 1.0, 10000.0, 200000.0, 0.001),
		Params(MOD_AM, 1.7, 1.2, 23000.0, 17000.0, 0.003)};
	const struct
	{
		int32_t kind;
		uint64_t expected[2];
	} cases[] = {
		{MOD_AM, {17043985814162076791ull, 10891655362343807406ull}},
		{MOD_DSB_SC, {5886342790083476887ull, 16693407944367716735ull}},
		{MOD_SSB_USB, {12638566360573799307ull, 2212416626056844914ull}},
		{MOD_SSB_LSB, {13608194031698797316ull, 18359018864924659061ull}},
		{MOD_VSB, {11590577282853109479ull, 16467644696447005712ull}},
		{MOD_FM, {15567111411729401837ull, 14522177333974230376ull}},
		{MOD_PM, {924806462885782698ull, 11003035949814543662ull}},
	};
	for (const auto& c : cases)
		for (int set = 0; set < 2; set++)
		{
			const SynthesisRun run(Params(c.kind, sets[set].ampMod, sets[set].ampCarrier, sets[set].freqMod,
				sets[set].freqCarrier, sets[set].simTime));
			EXPECT_EQ(checksum(run), c.expected[set]) << "kind " << c.kind << ", set " << set;
		}
}

// The values the modulating and carrier generators keep serve a modulated generator only where
// its phase has the same bits: given none, or those of another run (other frequencies, another
// length, a PM run that keeps no cosines), every kind that reads them gives its own run's samples.
TEST(Synthesis, KeptValuesServeOnlyTheirOwnPhases)
{
	const ModulationParams others[] = {Params(MOD_FM, 0.5, 1.0, 7000.0, 90000.0, 0.0004),
		Params(MOD_PM, 0.5, 1.0, 10000.0, 200000.0, 0.0001), Params(MOD_AM, 0.5, 1.0, 10000.0, 200000.0, 0.001)};
	for (const int32_t kind : {MOD_AM, MOD_DSB_SC, MOD_VSB, MOD_FM})
	{
		const ModulationParams params = Params(kind, 0.8, 1.0, 10000.0, 200000.0, 0.0005);
		const SynthesisRun own(params);
		const auto expectOwnSamples = [&](const SamplePhases& kept, const char* pszFrom)
		{
			CSignal vmto;
			vmto.RedimXY(own.vmto.m_nPoints);
			GenerateModulated(params, 1.0 / params.freqCarrier, own.vm, kept, vmto);
			for (UINT i = 0; i < vmto.m_nPoints; i++)
				ASSERT_EQ(std::memcmp(&vmto.m_pY[i], &own.vmto.m_pY[i], sizeof(double)), 0)
					<< "kind " << kind << ", values " << pszFrom << ", sample " << i;
		};
		expectOwnSamples(SamplePhases(), "of none");
		for (const ModulationParams& other : others)
			expectOwnSamples(SynthesisRun(other).phases, "of another run");
	}
}
