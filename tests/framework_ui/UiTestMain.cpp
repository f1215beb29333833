// Runs the window tests headless unless a platform was chosen explicitly.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
	setenv("QT_QPA_PLATFORM", "offscreen", 0);
	::testing::InitGoogleTest(&argc, argv);
	return RUN_ALL_TESTS();
}
