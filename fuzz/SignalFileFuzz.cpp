// Loads arbitrary bytes as a .sig file through CSignal::Serialize. A file that loads is stored again
// and must give back the bytes it was read from; one that fails must leave the record as it was.
#include "fuzz/FuzzSupport.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "sigkit/signal/Signal.h"

#include <cstring>

namespace
{
	constexpr size_t HEADER_BYTES = 52;
	constexpr size_t BYTES_PER_PAIR = 16;

	void Load(CArchive& ar, void* pSignal)
	{
		static_cast<CSignal*>(pSignal)->Serialize(ar);
	}

	void Store(CArchive& ar, void* pSignal)
	{
		static_cast<CSignal*>(pSignal)->Serialize(ar);
	}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
	// A record that already holds a sample, so that a refused file has something to spoil.
	CSignal signal;
	signal.RedimXY(1);
	signal.m_pX[0] = 1.5;
	signal.m_pY[0] = -2.5;
	try
	{
		LoadBytes(pData, nSize, Load, &signal);
	}
	catch (const CArchiveException&)
	{
		FUZZ_CHECK(signal.m_nPoints == 1 && signal.m_nHarmonics == 0);
		FUZZ_CHECK(signal.m_pX[0] == 1.5 && signal.m_pY[0] == -2.5);
		return 0;
	}
	catch (const CMemoryException&)
	{
		return 0;
	}

	const size_t nUsed = HEADER_BYTES + BYTES_PER_PAIR * (size_t(signal.m_nPoints) + signal.m_nHarmonics);
	FUZZ_CHECK(nUsed <= nSize);
	const std::vector<unsigned char> stored = StoredBytes(Store, &signal);
	FUZZ_CHECK(stored.size() == nUsed);
	FUZZ_CHECK(std::memcmp(stored.data(), pData, nUsed) == 0);
	return 0;
}
