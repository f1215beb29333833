// Runs the program's tests inside one framework application, headless unless a platform was
// chosen, with the program's resources in the chain as they are when it runs.
#include "framework/ui/window/WinApp.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
	setenv("QT_QPA_PLATFORM", "offscreen", 0);
	::testing::InitGoogleTest(&argc, argv);
	AfxWinInit(argc, argv);
	int nResult = RUN_ALL_TESTS();
	AfxWinTerm();
	return nResult;
}
