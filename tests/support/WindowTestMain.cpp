// The main() of every test program that opens windows: headless unless a platform was chosen,
// and inside one framework application, with the resource modules of what the program links.
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
