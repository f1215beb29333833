// The .sig file: byte layout, bit-exact round trip, and loading short or inconsistent files.
#include "SignalArchive.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "sigkit/signal/Signal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include <unistd.h>

namespace
{
	uint32_t U32At(const std::vector<unsigned char>& b, size_t offset)
	{
		return uint32_t(b[offset]) | uint32_t(b[offset + 1]) << 8 | uint32_t(b[offset + 2]) << 16 |
			   uint32_t(b[offset + 3]) << 24;
	}

	uint64_t BitsAt(const std::vector<unsigned char>& b, size_t offset)
	{
		uint64_t bits = 0;
		for (int i = 7; i >= 0; i--)
			bits = bits << 8 | b[offset + i];
		return bits;
	}

	uint64_t BitsOf(double value)
	{
		uint64_t bits;
		std::memcpy(&bits, &value, sizeof bits);
		return bits;
	}

	void PutU32(std::vector<unsigned char>& b, size_t offset, uint32_t value)
	{
		for (int i = 0; i < 4; i++)
			b[offset + i] = (unsigned char)(value >> (8 * i));
	}

	void PutDouble(std::vector<unsigned char>& b, size_t offset, double value)
	{
		const uint64_t bits = BitsOf(value);
		for (int i = 0; i < 8; i++)
			b[offset + i] = (unsigned char)(bits >> (8 * i));
	}

	// A file image with the given counts and every double set to a recognisable value.
	std::vector<unsigned char> Image(uint32_t h, uint32_t n, size_t pairsPresent)
	{
		std::vector<unsigned char> b(52 + 16 * pairsPresent, 0);
		PutU32(b, 0, 3);
		for (int f = 0; f < 5; f++)
			PutDouble(b, 4 + 8 * f, 100.0 + f);
		PutU32(b, 44, h);
		PutU32(b, 48, n);
		for (size_t p = 0; p < pairsPresent; p++)
		{
			PutDouble(b, 52 + 16 * p, 1000.0 + p);
			PutDouble(b, 60 + 16 * p, -1000.0 - p);
		}
		return b;
	}

	void ExpectUntouched(const CSignal& s)
	{
		EXPECT_EQ(s.m_nType, 7);
		EXPECT_EQ(s.m_nPoints, 1u);
		EXPECT_EQ(s.m_pX[0], 42.0);
		EXPECT_EQ(s.m_nHarmonics, 0u);
		EXPECT_EQ(s.m_dPeriod, 0.5);
	}
}

TEST(SignalFile, EmptyRecordIs52BytesOfHeader)
{
	CSignal s;
	s.m_nType = 3;
	s.m_dStepX = 0.25132741232;
	s.m_dAmplitude = 1.0;
	s.m_dFrequency = 200000.0;
	s.m_dPeriod = 0.0002;
	const std::vector<unsigned char> b = StoreSignal(s);
	ASSERT_EQ(b.size(), 52u);
	EXPECT_EQ(U32At(b, 0), 3u);
	EXPECT_EQ(BitsAt(b, 4), BitsOf(0.25132741232));
	EXPECT_EQ(BitsAt(b, 12), BitsOf(1.0));
	EXPECT_EQ(BitsAt(b, 20), BitsOf(200000.0));
	EXPECT_EQ(BitsAt(b, 28), BitsOf(0.0002));
	EXPECT_EQ(BitsAt(b, 36), BitsOf(0.0));
	EXPECT_EQ(U32At(b, 44), 0u);
	EXPECT_EQ(U32At(b, 48), 0u);
}

TEST(SignalFile, SamplesFollowTheHeaderAsXYPairsThenHarmonics)
{
	CSignal s;
	s.m_nType = -2;
	s.RedimXY(2);
	s.m_pX[0] = 0.0;
	s.m_pY[0] = 1.5;
	s.m_pX[1] = 0.25;
	s.m_pY[1] = -1.5;
	std::vector<unsigned char> b = StoreSignal(s);
	ASSERT_EQ(b.size(), 84u);
	EXPECT_EQ(U32At(b, 0), 0xFFFFFFFEu) << "the kind is a signed 32-bit integer";
	EXPECT_EQ(U32At(b, 48), 2u);
	EXPECT_EQ(BitsAt(b, 52), BitsOf(0.0));
	EXPECT_EQ(BitsAt(b, 60), BitsOf(1.5));
	EXPECT_EQ(BitsAt(b, 68), BitsOf(0.25));
	EXPECT_EQ(BitsAt(b, 76), BitsOf(-1.5));

	s.RedimArmoniche(1);
	s.m_pHarmAmp[0] = 9.0;
	s.m_pHarmPhase[0] = -9.0;
	b = StoreSignal(s);
	ASSERT_EQ(b.size(), 100u);
	EXPECT_EQ(U32At(b, 44), 1u) << "the harmonic count comes before the sample count";
	EXPECT_EQ(BitsAt(b, 84), BitsOf(9.0));
	EXPECT_EQ(BitsAt(b, 92), BitsOf(-9.0));
}

TEST(SignalFile, RoundTripIsBitExactIncludingSpecialValues)
{
	const double special[] = {-0.0, std::numeric_limits<double>::infinity(),
		-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
		std::numeric_limits<double>::denorm_min(), -1e308, 0.1};
	const int count = int(sizeof special / sizeof special[0]);

	CSignal a;
	a.m_nType = 3;
	a.m_dStepX = -0.0;
	a.m_dAmplitude = std::numeric_limits<double>::infinity();
	a.m_dFrequency = std::numeric_limits<double>::quiet_NaN();
	a.m_dPeriod = 0.0002;
	a.m_dMaxHarmonic = -1e-300;
	a.RedimXY(count);
	a.RedimArmoniche(count);
	for (int i = 0; i < count; i++)
	{
		a.m_pX[i] = special[i];
		a.m_pY[i] = special[count - 1 - i];
		a.m_pHarmAmp[i] = special[(i + 2) % count];
		a.m_pHarmPhase[i] = special[(i + 5) % count];
	}

	CSignal b;
	LoadSignal(b, StoreSignal(a));
	EXPECT_EQ(b.m_nType, 3);
	EXPECT_EQ(BitsOf(b.m_dStepX), BitsOf(-0.0));
	EXPECT_EQ(BitsOf(b.m_dAmplitude), BitsOf(a.m_dAmplitude));
	EXPECT_EQ(BitsOf(b.m_dFrequency), BitsOf(a.m_dFrequency));
	EXPECT_EQ(BitsOf(b.m_dPeriod), BitsOf(0.0002));
	EXPECT_EQ(BitsOf(b.m_dMaxHarmonic), BitsOf(-1e-300));
	ASSERT_EQ(b.m_nPoints, UINT(count));
	ASSERT_EQ(b.m_nHarmonics, UINT(count));
	for (int i = 0; i < count; i++)
	{
		EXPECT_EQ(BitsOf(b.m_pX[i]), BitsOf(a.m_pX[i])) << i;
		EXPECT_EQ(BitsOf(b.m_pY[i]), BitsOf(a.m_pY[i])) << i;
		EXPECT_EQ(BitsOf(b.m_pHarmAmp[i]), BitsOf(a.m_pHarmAmp[i])) << i;
		EXPECT_EQ(BitsOf(b.m_pHarmPhase[i]), BitsOf(a.m_pHarmPhase[i])) << i;
	}
	EXPECT_EQ(StoreSignal(b), StoreSignal(a));
}

TEST(SignalFile, LoadsHarmonicBlockAfterTheSamples)
{
	const std::vector<unsigned char> b = Image(3, 1, 4);
	CSignal s;
	LoadSignal(s, b);
	EXPECT_EQ(s.m_nType, 3);
	EXPECT_EQ(s.m_dStepX, 100.0);
	EXPECT_EQ(s.m_dMaxHarmonic, 104.0);
	EXPECT_EQ(s.m_nHarmonics, 3u);
	EXPECT_EQ(s.m_nPoints, 1u);
	EXPECT_EQ(s.m_pX[0], 1000.0);
	EXPECT_EQ(s.m_pY[0], -1000.0);
	for (int k = 0; k < 3; k++)
	{
		// Harmonic k was written at offset 68 + 16k.
		EXPECT_EQ(s.m_pHarmAmp[k], 1001.0 + k);
		EXPECT_EQ(s.m_pHarmPhase[k], -1001.0 - k);
	}
}

TEST(SignalFile, LoadingReusesArraysWithinCapacity)
{
	CSignal s;
	s.RedimXY(5);
	double* x = s.m_pX;
	LoadSignal(s, Image(0, 2, 2));
	EXPECT_EQ(s.m_pX, x);
	EXPECT_EQ(s.m_nPoints, 2u);
	EXPECT_EQ(s.m_nAllocPoints, 5u);
	EXPECT_EQ(s.m_pY[1], -1001.0);
}

TEST(SignalFile, ShortFilesRaiseEndOfFileAndLeaveTheRecordAsItWas)
{
	struct Case
	{
		const char* what;
		std::vector<unsigned char> bytes;
	};
	std::vector<unsigned char> header51 = Image(0, 0, 0);
	header51.pop_back();
	std::vector<unsigned char> lastByteMissing = Image(1, 2, 3);
	lastByteMissing.pop_back();
	const Case cases[] = {
		{"51-byte header", header51},
		{"empty file", {}},
		{"samples cut short", Image(0, 3, 2)},
		{"harmonics cut short", lastByteMissing},
		{"counts promising 64 GiB", Image(0xFFFFFFFFu, 0xFFFFFFFFu, 1)},
	};
	for (const Case& c : cases)
	{
		CSignal s;
		s.m_nType = 7;
		s.m_dPeriod = 0.5;
		s.RedimXY(1);
		s.m_pX[0] = 42.0;
		try
		{
			LoadSignal(s, c.bytes);
			ADD_FAILURE() << c.what << ": loaded without complaint";
		}
		catch (const CArchiveException& e)
		{
			EXPECT_EQ(e.m_cause, CArchiveException::endOfFile) << c.what;
		}
		SCOPED_TRACE(c.what);
		ExpectUntouched(s);
	}
}

TEST(SignalFile, WritesAndReadsARealFile)
{
	char path[] = "/tmp/ondivar-signal-XXXXXX";
	const int fd = mkstemp(path);
	ASSERT_GE(fd, 0);
	close(fd);

	CSignal a;
	a.RedimXY(3000);
	for (UINT i = 0; i < 3000; i++)
	{
		a.m_pX[i] = i * 0.25132741232;
		a.m_pY[i] = std::cos(a.m_pX[i]);
	}
	{
		CFile file(path, CFile::modeCreate | CFile::modeWrite);
		CArchive ar(&file, CArchive::store, 4096);
		a.Serialize(ar);
		ar.Close();
		file.Close();
	}
	CSignal b;
	{
		CFile file(path, CFile::modeRead);
		EXPECT_EQ(file.GetLength(), 52u + 16u * 3000u);
		CArchive ar(&file, CArchive::load, 4096);
		b.Serialize(ar);
	}
	std::remove(path);
	ASSERT_EQ(b.m_nPoints, 3000u);
	EXPECT_EQ(std::memcmp(a.m_pY, b.m_pY, 3000 * sizeof(double)), 0);
	EXPECT_EQ(b.m_pX[2999], a.m_pX[2999]);
}
