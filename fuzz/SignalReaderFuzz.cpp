// Gives the analyser's file reader arbitrary bytes through a file in memory. A file it accepts must
// hold samples and only finite ones; one it refuses must say why and leave the record as it was.
#include "fuzz/FuzzSupport.h"

#include "analyser/model/SignalReader.h"
#include "sigkit/signal/Signal.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

namespace
{
	// The reader takes a path: a memory file, rewritten for each input, spares the disk.
	int ScratchFile()
	{
		static const int nFd = memfd_create("ondivar-fuzz-signal", 0);
		if (nFd < 0)
		{
			std::perror("memfd_create");
			std::abort();
		}
		return nFd;
	}

	void Rewrite(int nFd, const uint8_t* pData, size_t nSize)
	{
		FUZZ_CHECK(ftruncate(nFd, 0) == 0);
		FUZZ_CHECK(pwrite(nFd, pData, nSize, 0) == ssize_t(nSize));
	}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
	const int nFd = ScratchFile();
	Rewrite(nFd, pData, nSize);
	char szPath[64];
	std::snprintf(szPath, sizeof szPath, "/proc/self/fd/%d", nFd);

	CSignal signal;
	signal.RedimXY(1);
	signal.m_pX[0] = 1.5;
	signal.m_pY[0] = -2.5;
	SignalForm form = SignalForm::Binary;
	CString strReason;
	if (!ReadSignalFile(szPath, signal, form, strReason))
	{
		FUZZ_CHECK(!strReason.IsEmpty());
		FUZZ_CHECK(form == SignalForm::Binary);
		FUZZ_CHECK(signal.m_nPoints == 1 && signal.m_pX[0] == 1.5 && signal.m_pY[0] == -2.5);
		return 0;
	}
	FUZZ_CHECK(signal.m_nPoints > 0);
	for (UINT i = 0; i < signal.m_nPoints; i++)
		FUZZ_CHECK(std::isfinite(signal.m_pX[i]) && std::isfinite(signal.m_pY[i]));
	if (form == SignalForm::Text)
		FUZZ_CHECK(signal.m_nHarmonics == 0);
	return 0;
}
