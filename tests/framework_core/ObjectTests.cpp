// Run-time classes: type tests, creation by name and the registry's lifetime rules.
#include "framework/core/Collections.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"
#include "framework/core/Object.h"

#include <memory>

#include <gtest/gtest.h>

namespace
{

class CShape : public CObject
{
	DECLARE_DYNAMIC(CShape)
};

class CCircle : public CShape
{
	DECLARE_DYNCREATE(CCircle)

public:
	int m_nRadius = 5;
};

class CSquare : public CShape
{
	DECLARE_SERIAL(CSquare)
};

}

IMPLEMENT_DYNAMIC(CShape, CObject)
IMPLEMENT_DYNCREATE(CCircle, CShape)
IMPLEMENT_SERIAL(CSquare, CShape, 3)

TEST(ObjectTest, KindTestsFollowTheBaseClassChain)
{
	const CCircle circle;
	const CObject& object = circle;
	EXPECT_EQ(object.GetRuntimeClass(), RUNTIME_CLASS(CCircle));
	EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CCircle)));
	EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CShape)));
	EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CObject)));
	EXPECT_FALSE(object.IsKindOf(RUNTIME_CLASS(CSquare)));
	EXPECT_FALSE(object.IsKindOf(nullptr));
	EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));

	EXPECT_STREQ(RUNTIME_CLASS(CCircle)->m_lpszClassName, "CCircle");
	EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_nObjectSize, static_cast<int>(sizeof(CCircle)));
	EXPECT_FALSE(object.IsSerializable());
	EXPECT_TRUE(CSquare().IsSerializable());
	EXPECT_EQ(RUNTIME_CLASS(CSquare)->m_wSchema, 3u);

	const CStringArray strings;
	EXPECT_TRUE(strings.IsKindOf(RUNTIME_CLASS(CObject)));
	EXPECT_FALSE(strings.IsKindOf(RUNTIME_CLASS(CObArray)));
	EXPECT_TRUE(CFileException().IsKindOf(RUNTIME_CLASS(CException)));
}

TEST(ObjectTest, ObjectsAreCreatedByClassName)
{
	std::unique_ptr<CObject> pCircle(CRuntimeClass::CreateObject("CCircle"));
	ASSERT_NE(pCircle, nullptr);
	ASSERT_TRUE(pCircle->IsKindOf(RUNTIME_CLASS(CCircle)));
	EXPECT_EQ(static_cast<CCircle*>(pCircle.get())->m_nRadius, 5);

	std::unique_ptr<CObject> pSquare(RUNTIME_CLASS(CSquare)->CreateObject());
	ASSERT_NE(pSquare, nullptr);
	EXPECT_EQ(pSquare->GetRuntimeClass(), RUNTIME_CLASS(CSquare));

	EXPECT_EQ(CRuntimeClass::CreateObject("CShape"), nullptr) << "not dynamically creatable";
	EXPECT_EQ(CRuntimeClass::CreateObject("CNoSuchClass"), nullptr);
	EXPECT_EQ(CRuntimeClass::CreateObject(nullptr), nullptr);
}

TEST(ObjectTest, TheRegistryHoldsTheLibrarysClassesAndThisProgramsOwn)
{
	EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
	EXPECT_EQ(CRuntimeClass::FromName("CMemFile"), RUNTIME_CLASS(CMemFile));
	EXPECT_EQ(CRuntimeClass::FromName("CSquare"), RUNTIME_CLASS(CSquare));
	EXPECT_EQ(CRuntimeClass::FromName("csquare"), nullptr);
}

TEST(ObjectTest, AClassLeavesTheRegistryWithItsRegistration)
{
	CRuntimeClass classScoped = { "CScopedShape", 1, 0xFFFF, nullptr, RUNTIME_CLASS(CShape) };
	EXPECT_EQ(CRuntimeClass::FromName("CScopedShape"), nullptr);
	{
		const CRuntimeClassRegistration registration(&classScoped);
		EXPECT_EQ(CRuntimeClass::FromName("CScopedShape"), &classScoped);
		EXPECT_TRUE(classScoped.IsDerivedFrom(RUNTIME_CLASS(CObject)));
	}
	EXPECT_EQ(CRuntimeClass::FromName("CScopedShape"), nullptr);
	EXPECT_EQ(CRuntimeClass::FromName("CShape"), RUNTIME_CLASS(CShape));
}
