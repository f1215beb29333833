// sigkit's resource module joins the framework's chain when the library is loaded.
#include "framework/core/String.h"
#include "sigkit/resources/SigkitResourceIds.h"
#include "sigkit/signal/Signal.h"

#include <gtest/gtest.h>

TEST(SigkitModule, IdlePromptIsFoundThroughTheChain)
{
	CSignal linkedFromSigkit;
	CString prompt;
	ASSERT_TRUE(prompt.LoadString(AFX_IDS_IDLEMESSAGE));
	EXPECT_EQ(std::string(prompt), "Pronto");
}
