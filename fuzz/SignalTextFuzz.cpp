// Imports arbitrary text through CSignal::ImportTXT. What was imported is exported and imported
// again: the second record must hold the same samples, bit for bit where they are numbers.
#include "fuzz/FuzzSupport.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "sigkit/signal/Signal.h"

#include <cmath>
#include <cstring>

namespace
{
	void Import(CArchive& ar, void* pSignal)
	{
		static_cast<CSignal*>(pSignal)->SerializeTXT(ar);
	}

	void Export(CArchive& ar, void* pSignal)
	{
		static_cast<CSignal*>(pSignal)->SerializeTXT(ar);
	}

	bool SameValue(double a, double b)
	{
		if (std::isnan(a) || std::isnan(b))
			return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
		return std::memcmp(&a, &b, sizeof a) == 0;
	}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
	CSignal signal;
	try
	{
		LoadBytes(pData, nSize, Import, &signal);
	}
	catch (const CMemoryException&)
	{
		return 0;
	}
	if (signal.m_nPoints == 0)
		return 0;

	const std::vector<unsigned char> text = StoredBytes(Export, &signal);
	CSignal again;
	LoadBytes(text.data(), text.size(), Import, &again);
	FUZZ_CHECK(again.m_nPoints == signal.m_nPoints);
	FUZZ_CHECK(SameValue(again.m_dPeriod, signal.m_dPeriod));
	for (UINT i = 0; i < signal.m_nPoints; i++)
	{
		FUZZ_CHECK(SameValue(again.m_pX[i], signal.m_pX[i]));
		FUZZ_CHECK(SameValue(again.m_pY[i], signal.m_pY[i]));
	}
	return 0;
}
