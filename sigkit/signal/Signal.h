// CSignal: one sampled signal (X/Y samples, five descriptors, optional harmonics) and its files.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CArchive;
class CStringArray;

class CSignal : public CObject
{
	DECLARE_SERIAL(CSignal)

public:
	CSignal();
	~CSignal() override;

	void Serialize(CArchive& ar) override;
	void AssertValid() const override;
	void Dump(CDumpContext& dc) const override;

	void RedimXY(UINT n);
	void RedimArmoniche(UINT n);
	void Reset(BOOL bFree);
	void Copy(const CSignal& source);

	void SerializeTXT(CArchive& ar);
	void SetValues(CStringArray& xTexts, CStringArray& yTexts, const CString& periodText);
	static CString Convert(double value, int decimals);

	void DoSpettro(UINT nHarmonics);

	int m_nType;
	double m_dStepX;
	double* m_pX;
	double* m_pY;
	UINT m_nPoints;
	double* m_pHarmAmp;
	double* m_pHarmPhase;
	UINT m_nHarmonics;
	double m_dAmplitude;
	double m_dFrequency;
	double m_dPeriod;
	double m_dMaxHarmonic;
	BOOL m_bBorrowed;
	UINT m_nAllocPoints;
	UINT m_nAllocHarmonics;

protected:
	void ImportTXT(CArchive& ar);
	void ExportTXT(CArchive& ar);

private:
	void TakeOwnership(BOOL bGrowingHarmonics);

	CSignal(const CSignal&) = delete;
	CSignal& operator=(const CSignal&) = delete;
};
