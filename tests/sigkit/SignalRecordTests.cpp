// CSignal as a record: sizing, reset, borrowing and failed allocations.
#include "sigkit/signal/Signal.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <climits>

TEST(SignalRecord, ConstructsEmptyWithKindOne)
{
	CSignal s;
	EXPECT_EQ(s.m_nType, 1);
	EXPECT_EQ(s.m_dStepX, 0.0);
	EXPECT_EQ(s.m_pX, nullptr);
	EXPECT_EQ(s.m_pY, nullptr);
	EXPECT_EQ(s.m_pHarmAmp, nullptr);
	EXPECT_EQ(s.m_pHarmPhase, nullptr);
	EXPECT_EQ(s.m_nPoints, 0u);
	EXPECT_EQ(s.m_nHarmonics, 0u);
	EXPECT_EQ(s.m_nAllocPoints, 0u);
	EXPECT_EQ(s.m_nAllocHarmonics, 0u);
	EXPECT_EQ(s.m_dAmplitude + s.m_dFrequency + s.m_dPeriod + s.m_dMaxHarmonic, 0.0);
	EXPECT_FALSE(s.m_bBorrowed);
}

TEST(SignalRecord, ShrinkingKeepsArraysAndSamples)
{
	CSignal s;
	s.RedimXY(5);
	for (int i = 0; i < 5; i++)
		s.m_pX[i] = s.m_pY[i] = i + 0.5;
	double* x = s.m_pX;
	double* y = s.m_pY;

	s.RedimXY(3);
	s.RedimXY(5);
	EXPECT_EQ(s.m_pX, x);
	EXPECT_EQ(s.m_pY, y);
	EXPECT_EQ(s.m_nPoints, 5u);
	EXPECT_EQ(s.m_nAllocPoints, 5u);
	EXPECT_EQ(s.m_pY[4], 4.5);

	s.RedimXY(0);
	EXPECT_EQ(s.m_nPoints, 0u);
	EXPECT_EQ(s.m_pX, x) << "resizing to 0 keeps the allocation";
}

TEST(SignalRecord, GrowingReplacesArraysAndRaisesCapacity)
{
	CSignal s;
	s.RedimXY(5);
	s.RedimArmoniche(2);
	s.RedimXY(6);
	EXPECT_EQ(s.m_nPoints, 6u);
	EXPECT_EQ(s.m_nAllocPoints, 6u);
	ASSERT_NE(s.m_pX, nullptr);
	ASSERT_NE(s.m_pY, nullptr);
	s.m_pX[5] = s.m_pY[5] = 1.0;
	EXPECT_EQ(s.m_nHarmonics, 2u) << "the harmonic pair is sized on its own";
	s.RedimArmoniche(4);
	EXPECT_EQ(s.m_nAllocHarmonics, 4u);
	s.m_pHarmAmp[3] = s.m_pHarmPhase[3] = 2.0;
}

TEST(SignalRecord, ResetWithoutFreeKeepsArraysUntilTheNextResize)
{
	CSignal s;
	s.RedimXY(4);
	s.m_nType = 3;
	s.m_dPeriod = 0.0002;
	double* x = s.m_pX;

	s.Reset(FALSE);
	EXPECT_EQ(s.m_pX, x);
	EXPECT_EQ(s.m_nType, 1);
	EXPECT_EQ(s.m_dPeriod, 0.0);
	EXPECT_EQ(s.m_nAllocPoints, 0u);

	s.RedimXY(1);
	EXPECT_EQ(s.m_nAllocPoints, 1u);
	ASSERT_NE(s.m_pX, nullptr);
	s.m_pX[0] = s.m_pY[0] = 0.0;

	s.Reset(TRUE);
	EXPECT_EQ(s.m_pX, nullptr);
	EXPECT_EQ(s.m_pY, nullptr);
}

TEST(SignalRecord, BorrowingRecordSharesAndNeverFreesTheSourceArrays)
{
	CSignal a;
	a.RedimXY(3);
	a.RedimArmoniche(2);
	for (int i = 0; i < 3; i++)
		a.m_pX[i] = a.m_pY[i] = 10.0 + i;
	a.m_pHarmAmp[1] = 7.0;
	a.m_dFrequency = 200000.0;
	{
		CSignal b;
		b.Copy(a);
		EXPECT_TRUE(b.m_bBorrowed);
		EXPECT_EQ(b.m_pX, a.m_pX);
		EXPECT_EQ(b.m_pHarmAmp, a.m_pHarmAmp);
		EXPECT_EQ(b.m_nPoints, 3u);
		EXPECT_EQ(b.m_nAllocHarmonics, 2u);
		EXPECT_EQ(b.m_dFrequency, 200000.0);
	}
	EXPECT_EQ(a.m_pY[2], 12.0);
	EXPECT_EQ(a.m_pHarmAmp[1], 7.0);
}

TEST(SignalRecord, BorrowingRecordThatGrowsTakesPrivateArrays)
{
	CSignal a;
	a.RedimXY(2);
	a.RedimArmoniche(2);
	a.m_pX[0] = 1.0;
	a.m_pHarmAmp[0] = 5.0;
	a.m_pHarmPhase[0] = 0.0;
	{
		CSignal b;
		b.Copy(a);
		b.RedimXY(10);
		EXPECT_FALSE(b.m_bBorrowed);
		EXPECT_NE(b.m_pX, a.m_pX);
		EXPECT_NE(b.m_pHarmAmp, a.m_pHarmAmp);
		EXPECT_EQ(b.m_pHarmAmp[0], 5.0) << "the harmonics stay readable as a private copy";
		b.m_pX[9] = 3.0;
	}
	EXPECT_EQ(a.m_pX[0], 1.0);
	EXPECT_EQ(a.m_pHarmAmp[0], 5.0);
}

TEST(SignalRecord, FailedAllocationRaisesMemoryExceptionAndKeepsNewCount)
{
	CSignal s;
	EXPECT_THROW(s.RedimXY(UINT_MAX), CMemoryException);
	EXPECT_EQ(s.m_nPoints, UINT_MAX);
	EXPECT_EQ(s.m_nAllocPoints, UINT_MAX);
	EXPECT_EQ(s.m_pX, nullptr);

	s.Reset(TRUE);
	s.RedimXY(2);
	EXPECT_NE(s.m_pY, nullptr);
}

TEST(SignalRecord, IsCreatableByClassName)
{
	CRuntimeClass* pClass = CRuntimeClass::FromName("CSignal");
	ASSERT_NE(pClass, nullptr);
	EXPECT_EQ(pClass->m_wSchema, 0u);
	CObject* pObject = pClass->CreateObject();
	ASSERT_NE(pObject, nullptr);
	EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CSignal)));
	EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
	EXPECT_EQ(static_cast<CSignal*>(pObject)->m_nType, 1);
	delete pObject;
}
