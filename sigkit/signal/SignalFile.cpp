// CSignal's binary file: the .sig layout written and read through an archive.
#include "sigkit/signal/Signal.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"

#include <algorithm>
#include <memory>

namespace
{
	constexpr ULONGLONG BYTES_PER_PAIR = 2 * sizeof(double);

	std::unique_ptr<double[]> ReadPairs(CArchive& ar, UINT n, std::unique_ptr<double[]>& second)
	{
		std::unique_ptr<double[]> first(AfxNewArray<double>(n));
		second.reset(AfxNewArray<double>(n));
		for (UINT i = 0; i < n; i++)
			ar >> first[i] >> second[i];
		return first;
	}
}

void CSignal::Serialize(CArchive& ar)
{
	if (ar.IsStoring())
	{
		ar << m_nType << m_dStepX << m_dAmplitude << m_dFrequency << m_dPeriod << m_dMaxHarmonic;
		ar << m_nHarmonics << m_nPoints;
		for (UINT i = 0; i < m_nPoints; i++)
			ar << m_pX[i] << m_pY[i];
		for (UINT k = 0; k < m_nHarmonics; k++)
			ar << m_pHarmAmp[k] << m_pHarmPhase[k];
		return;
	}

	// Everything is read into temporaries first: a short or damaged file leaves the record as
	// it was, and counts the file cannot hold are refused before anything is allocated.
	int nType;
	double dStepX, dAmplitude, dFrequency, dPeriod, dMaxHarmonic;
	UINT nHarmonics, nPoints;
	ar >> nType >> dStepX >> dAmplitude >> dFrequency >> dPeriod >> dMaxHarmonic;
	ar >> nHarmonics >> nPoints;
	if (ar.GetBytesLeft() < (ULONGLONG(nPoints) + nHarmonics) * BYTES_PER_PAIR)
		AfxThrowArchiveException(CArchiveException::endOfFile);

	std::unique_ptr<double[]> y, phase;
	std::unique_ptr<double[]> x = ReadPairs(ar, nPoints, y);
	std::unique_ptr<double[]> amp = ReadPairs(ar, nHarmonics, phase);

	RedimArmoniche(nHarmonics);
	RedimXY(nPoints);
	m_nType = nType;
	m_dStepX = dStepX;
	m_dAmplitude = dAmplitude;
	m_dFrequency = dFrequency;
	m_dPeriod = dPeriod;
	m_dMaxHarmonic = dMaxHarmonic;
	std::copy_n(x.get(), nPoints, m_pX);
	std::copy_n(y.get(), nPoints, m_pY);
	std::copy_n(amp.get(), nHarmonics, m_pHarmAmp);
	std::copy_n(phase.get(), nHarmonics, m_pHarmPhase);
}
