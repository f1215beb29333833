// CSignal as a record: construction, sizing of the sample and harmonic arrays, reset and borrowing.
#include "sigkit/signal/Signal.h"

#include "framework/core/Exceptions.h"

#include <cstring>

IMPLEMENT_SERIAL(CSignal, CObject, 0)

namespace
{
	// Reallocation rule shared by the sample pair and the harmonic pair: growing replaces both
	// arrays (contents are not kept), a size within the capacity keeps them.
	void RedimPair(UINT n, UINT& count, UINT& capacity, double*& first, double*& second, BOOL bOwned)
	{
		count = n;
		if (capacity < n)
		{
			if (bOwned)
			{
				delete[] first;
				delete[] second;
			}
			first = nullptr;
			second = nullptr;
			capacity = n;
		}
		if (n == 0)
			return;
		if (first == nullptr)
			first = AfxNewArray<double>(n);
		if (second == nullptr)
			second = AfxNewArray<double>(n);
	}

	double* Duplicate(const double* source, UINT n)
	{
		if (source == nullptr || n == 0)
			return nullptr;
		double* copy = AfxNewArray<double>(n);
		std::memcpy(copy, source, sizeof(double) * n);
		return copy;
	}
}

CSignal::CSignal()
	: m_nType(1), m_dStepX(0.0), m_pX(nullptr), m_pY(nullptr), m_nPoints(0),
	  m_pHarmAmp(nullptr), m_pHarmPhase(nullptr), m_nHarmonics(0), m_dAmplitude(0.0),
	  m_dFrequency(0.0), m_dPeriod(0.0), m_dMaxHarmonic(0.0), m_bBorrowed(FALSE),
	  m_nAllocPoints(0), m_nAllocHarmonics(0)
{
}

CSignal::~CSignal()
{
	Reset(TRUE);
}

void CSignal::RedimXY(UINT n)
{
	if (m_nAllocPoints < n)
		TakeOwnership(FALSE);
	RedimPair(n, m_nPoints, m_nAllocPoints, m_pX, m_pY, !m_bBorrowed);
}

void CSignal::RedimArmoniche(UINT n)
{
	if (m_nAllocHarmonics < n)
		TakeOwnership(TRUE);
	RedimPair(n, m_nHarmonics, m_nAllocHarmonics, m_pHarmAmp, m_pHarmPhase, !m_bBorrowed);
}

// A borrowing record that must grow one pair of arrays keeps private copies of the other pair
// and lets go of the borrowed one, so it never frees, nor writes into, arrays it does not own.
void CSignal::TakeOwnership(BOOL bGrowingHarmonics)
{
	if (!m_bBorrowed)
		return;
	if (bGrowingHarmonics)
	{
		m_pHarmAmp = m_pHarmPhase = nullptr;
		m_nAllocHarmonics = 0;
		m_pX = Duplicate(m_pX, m_nAllocPoints);
		m_pY = Duplicate(m_pY, m_nAllocPoints);
	}
	else
	{
		m_pX = m_pY = nullptr;
		m_nAllocPoints = 0;
		m_pHarmAmp = Duplicate(m_pHarmAmp, m_nAllocHarmonics);
		m_pHarmPhase = Duplicate(m_pHarmPhase, m_nAllocHarmonics);
	}
	m_bBorrowed = FALSE;
}

void CSignal::Reset(BOOL bFree)
{
	m_nType = 1;
	m_dStepX = m_dAmplitude = m_dFrequency = m_dPeriod = m_dMaxHarmonic = 0.0;
	m_nPoints = m_nHarmonics = m_nAllocPoints = m_nAllocHarmonics = 0;
	if (!bFree)
		return;
	if (!m_bBorrowed)
	{
		delete[] m_pX;
		delete[] m_pY;
		delete[] m_pHarmAmp;
		delete[] m_pHarmPhase;
	}
	m_pX = m_pY = m_pHarmAmp = m_pHarmPhase = nullptr;
}

// The arrays are shared, not duplicated; arrays held before are left alone because other
// borrowing records may still point at them.
void CSignal::Copy(const CSignal& source)
{
	m_bBorrowed = TRUE;
	m_nType = source.m_nType;
	m_dStepX = source.m_dStepX;
	m_pX = source.m_pX;
	m_pY = source.m_pY;
	m_nPoints = source.m_nPoints;
	m_pHarmAmp = source.m_pHarmAmp;
	m_pHarmPhase = source.m_pHarmPhase;
	m_nHarmonics = source.m_nHarmonics;
	m_dAmplitude = source.m_dAmplitude;
	m_dFrequency = source.m_dFrequency;
	m_dPeriod = source.m_dPeriod;
	m_dMaxHarmonic = source.m_dMaxHarmonic;
	m_nAllocPoints = source.m_nAllocPoints;
	m_nAllocHarmonics = source.m_nAllocHarmonics;
}

void CSignal::AssertValid() const
{
}

void CSignal::Dump(CDumpContext&) const
{
}
