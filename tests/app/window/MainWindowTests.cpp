// The main window as a user meets it: enabling, caption, the modulation commands and the
// Fourier offer.
#include "tests/app/MainWindowFixture.h"

#include "app/resources/AppResourceIds.h"

TEST_F(MainWindowTest, OpensWithSaveAndSpectrumGreyedAndThePlainCaption)
{
	EXPECT_EQ(Caption(), " Ondivar");
	EXPECT_FALSE(IsCommandEnabled(ID_FILE_SAVE_SIGNAL));
	EXPECT_FALSE(IsCommandEnabled(ID_SPECTRUM));
	EXPECT_TRUE(IsCommandEnabled(ID_MOD_AMPIEZZA));
	EXPECT_TRUE(IsCommandEnabled(ID_REFRESH));
}

TEST_F(MainWindowTest, DefaultAmplitudeRunFillsTheThreeSignals)
{
	m_user.m_dialogScripts.push_back(EnterParams({}));
	Command(ID_MOD_AMPIEZZA);
	EXPECT_EQ(m_dlg.m_params.kind, MOD_AM);
	EXPECT_EQ(m_dlg.m_params.modIndex, 0.5);
	EXPECT_EQ(m_dlg.m_sigModulated.m_nPoints, 1000u);
	EXPECT_TRUE(m_dlg.IsModified());
	EXPECT_TRUE(m_user.BoxTexts().empty());
}
