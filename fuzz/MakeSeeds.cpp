// Writes the valid seed files of the signal and bitmap corpora with the program's own writers:
//   fuzz_make_seeds <corpus folder>
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "sigkit/frames/DibImage.h"
#include "sigkit/signal/Signal.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
	void Synthesise(CSignal& signal, UINT nPoints, UINT nHarmonics)
	{
		signal.RedimXY(nPoints);
		signal.RedimArmoniche(nHarmonics);
		signal.m_nType = 1;
		signal.m_dStepX = 0.25132741232;
		signal.m_dAmplitude = 2.0;
		signal.m_dFrequency = 1000.0;
		signal.m_dPeriod = 0.001;
		signal.m_dMaxHarmonic = nHarmonics;
		for (UINT i = 0; i < nPoints; i++)
		{
			signal.m_pX[i] = i * signal.m_dStepX;
			signal.m_pY[i] = 2.0 * std::sin(signal.m_pX[i]);
		}
		for (UINT k = 0; k < nHarmonics; k++)
		{
			signal.m_pHarmAmp[k] = 1.0 / (k + 1);
			signal.m_pHarmPhase[k] = -0.5 * k;
		}
	}

	void WriteSignal(const std::string& strPath, CSignal& signal, bool bText)
	{
		CFile file(strPath.c_str(), CFile::modeCreate | CFile::modeWrite);
		CArchive ar(&file, CArchive::store);
		if (bText)
			signal.SerializeTXT(ar);
		else
			signal.Serialize(ar);
		ar.Close();
	}

	// A small picture with a grey ramp, at 8 bits with its colour table or at 24 bits.
	void WriteBitmap(const std::string& strPath, WORD wBitCount)
	{
		const int nWidth = 5, nHeight = 3, nColors = wBitCount == 8 ? 256 : 0;
		const size_t nRowSize = ((size_t(nWidth) * wBitCount + 31) / 32) * 4;
		CDibImage image;
		BYTE* pInfo = AfxNewArray<BYTE>(sizeof(BITMAPINFOHEADER) + nColors * sizeof(RGBQUAD));
		std::memset(pInfo, 0, sizeof(BITMAPINFOHEADER) + nColors * sizeof(RGBQUAD));
		image.m_pBMI = reinterpret_cast<BITMAPINFO*>(pInfo);
		BITMAPINFOHEADER& header = image.m_pBMI->bmiHeader;
		header.biSize = sizeof header;
		header.biWidth = nWidth;
		header.biHeight = nHeight;
		header.biPlanes = 1;
		header.biBitCount = wBitCount;
		for (int i = 0; i < nColors; i++)
			image.m_pBMI->bmiColors[i] = { BYTE(i), BYTE(i), BYTE(i), 0 };
		image.m_pBits = AfxNewArray<BYTE>(nRowSize * nHeight);
		for (size_t i = 0; i < nRowSize * nHeight; i++)
			image.m_pBits[i] = BYTE(i * 37);
		CFile file(strPath.c_str(), CFile::modeCreate | CFile::modeWrite);
		image.Write(file);
	}
}

int main(int argc, char** argv)
{
	if (argc != 2)
	{
		std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
		return 2;
	}
	const std::string strRoot = argv[1];
	CSignal wave, harmonics, empty;
	Synthesise(wave, 8, 0);
	Synthesise(harmonics, 4, 3);
	WriteSignal(strRoot + "/signal_file/wave.sig", wave, false);
	WriteSignal(strRoot + "/signal_file/harmonics.sig", harmonics, false);
	WriteSignal(strRoot + "/signal_file/empty.sig", empty, false);
	WriteSignal(strRoot + "/signal_text/wave.txt", wave, true);
	WriteSignal(strRoot + "/signal_reader/wave.sig", harmonics, false);
	WriteSignal(strRoot + "/signal_reader/wave.txt", wave, true);
	WriteBitmap(strRoot + "/dib/ramp8.bmp", 8);
	WriteBitmap(strRoot + "/dib/ramp24.bmp", 24);
	return 0;
}
