// The file dialog through the seam: what it shows, the path it returns, the default extension and
// the checks that keep it open (missing folder, overwrite question).
#include "framework/ui/services/FileDialog.h"
#include "tests/support/Files.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

namespace
{

constexpr DWORD SAVE_FLAGS = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;

TEST(FileDialogTest, ShowsTitleInitialNameAndFiltersAndReturnsTheChosenPath)
{
	CScratchFolder folder;
	CFileDialog dialog(FALSE, nullptr, "SenzaNome", SAVE_FLAGS);
	// The program hands the filters over in the Windows form, zero characters included.
	const char filters[] = "Signal files (*.sig)\0*.sig\0Tutti i file (*.*)\0*.*\0";
	dialog.m_ofn.lpstrFilter = filters;
	dialog.m_ofn.nFilterIndex = 1;
	dialog.m_ofn.lpstrTitle = "Salva con nome";
	CScriptedUser seam;
	std::string strSeenFilters;
	seam.Then([&](ModalRequest& request)
	{
		strSeenFilters = static_cast<OPENFILENAME*>(request.pData)->lpstrFilter + 21;
		return ChooseFile(folder.Path("prova"))(request);
	});

	EXPECT_EQ(IDOK, dialog.DoModal());
	ASSERT_EQ(1u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::FileDialog, seam.m_shown[0].nKind);
	EXPECT_EQ("Salva con nome", seam.m_shown[0].strCaption);
	EXPECT_EQ("SenzaNome", seam.m_shown[0].strText);
	EXPECT_EQ(SAVE_FLAGS | OFN_EXPLORER, seam.m_shown[0].nType);
	EXPECT_EQ("*.sig", strSeenFilters);
	// No default extension was given: the name is returned as typed.
	EXPECT_STREQ(folder.Path("prova").c_str(), dialog.GetPathName());
	EXPECT_STREQ("prova", dialog.GetFileName());
	EXPECT_STREQ("", dialog.GetFileExt());
	EXPECT_EQ(folder.Path().size() + 1, dialog.m_ofn.nFileOffset);
	EXPECT_EQ(0, dialog.m_ofn.nFileExtension);
}

TEST(FileDialogTest, DefaultExtensionAndFilterComeFromTheBarForm)
{
	CScratchFolder folder;
	CFileDialog dialog(FALSE, "sig", nullptr, SAVE_FLAGS, "Signal files (*.sig)|*.sig|Tutti i file (*.*)|*.*||");
	dialog.m_ofn.lpstrInitialDir = nullptr;
	CScriptedUser seam;
	seam.Then(ChooseFile(folder.Path("misura")));

	EXPECT_EQ(IDOK, dialog.DoModal());
	EXPECT_EQ("Salva con nome", seam.m_shown[0].strCaption);
	EXPECT_EQ(1u, dialog.m_ofn.nFilterIndex);
	EXPECT_STREQ((folder.Path("misura.sig")).c_str(), dialog.GetPathName());
	EXPECT_STREQ("misura.sig", dialog.GetFileName());
	EXPECT_STREQ("sig", dialog.GetFileExt());
	EXPECT_STREQ("misura", dialog.GetFileTitle());
	EXPECT_EQ(folder.Path().size() + 1 + 7, dialog.m_ofn.nFileExtension);
}

TEST(FileDialogTest, BareNameIsInTheInitialFolder)
{
	CScratchFolder folder;
	CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
	std::string strFolder = folder.Path();
	dialog.m_ofn.lpstrInitialDir = strFolder.c_str();
	ASSERT_TRUE(WriteFile(folder.Path("dati.sig"), "x"));
	CScriptedUser seam;
	seam.Then(ChooseFile("dati.sig"));

	EXPECT_EQ(IDOK, dialog.DoModal());
	EXPECT_EQ("Apri", seam.m_shown[0].strCaption);
	EXPECT_STREQ(folder.Path("dati.sig").c_str(), dialog.GetPathName());
}

TEST(FileDialogTest, OverwriteQuestionKeepsTheDialogOpenOnNo)
{
	CScratchFolder folder;
	ASSERT_TRUE(WriteFile(folder.Path("prova.sig"), "old"));
	struct Step
	{
		INT_PTR nAnswer;
		INT_PTR nResult;
		size_t nRequests;
	};
	// No: the dialog is asked again (and cancelled here). Yes: the existing name is accepted.
	const Step steps[] = { { IDNO, IDCANCEL, 3 }, { IDYES, IDOK, 2 } };
	for (const Step& step : steps)
	{
		SCOPED_TRACE(step.nAnswer);
		CFileDialog dialog(FALSE, nullptr, nullptr, SAVE_FLAGS);
		CScriptedUser seam;
		seam.Then(ChooseFile(folder.Path("prova.sig")));
		seam.Then(step.nAnswer);
		seam.Then(IDCANCEL);
		EXPECT_EQ(step.nResult, dialog.DoModal());
		ASSERT_LE(2u, seam.m_shown.size());
		EXPECT_EQ(step.nRequests, seam.m_shown.size());
		EXPECT_EQ(ModalKind::MessageBox, seam.m_shown[1].nKind);
		EXPECT_EQ(folder.Path("prova.sig") + " esiste già.\nSostituirlo?", seam.m_shown[1].strText);
		EXPECT_EQ(MB_YESNO | MB_ICONEXCLAMATION, seam.m_shown[1].nType);
		EXPECT_EQ("Salva con nome", seam.m_shown[1].strCaption);
	}
}

TEST(FileDialogTest, NoQuestionForANewFileOrWithoutTheFlag)
{
	CScratchFolder folder;
	ASSERT_TRUE(WriteFile(folder.Path("vecchio.sig"), "old"));
	const struct
	{
		const char* pszName;
		DWORD dwFlags;
	} cases[] = { { "nuovo.sig", SAVE_FLAGS }, { "vecchio.sig", OFN_PATHMUSTEXIST } };
	for (const auto& c : cases)
	{
		CFileDialog dialog(FALSE, nullptr, nullptr, c.dwFlags);
		CScriptedUser seam;
		seam.Then(ChooseFile(folder.Path(c.pszName)));
		EXPECT_EQ(IDOK, dialog.DoModal());
		EXPECT_EQ(1u, seam.m_shown.size());
	}
}

TEST(FileDialogTest, MissingFolderIsRefusedAndTheUserAskedAgain)
{
	CScratchFolder folder;
	CFileDialog dialog(FALSE, "sig", nullptr, SAVE_FLAGS);
	CScriptedUser seam;
	seam.Then(ChooseFile(folder.Path("manca/prova")));
	seam.Then(IDOK);
	seam.Then(ChooseFile(folder.Path("prova")));

	EXPECT_EQ(IDOK, dialog.DoModal());
	ASSERT_EQ(3u, seam.m_shown.size());
	EXPECT_EQ(ModalKind::MessageBox, seam.m_shown[1].nKind);
	EXPECT_EQ("prova.sig\nPercorso inesistente.\nVerificare che il percorso indicato sia corretto.", seam.m_shown[1].strText);
	EXPECT_EQ(ModalKind::FileDialog, seam.m_shown[2].nKind);
	EXPECT_STREQ(folder.Path("prova.sig").c_str(), dialog.GetPathName());
}

TEST(FileDialogTest, OpenRefusesAMissingFile)
{
	CScratchFolder folder;
	CFileDialog dialog(TRUE, nullptr, "iniziale.sig", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
	CScriptedUser seam;
	seam.Then(ChooseFile(folder.Path("assente.sig")));
	seam.Then(IDOK);
	seam.Then(IDCANCEL);

	EXPECT_EQ(IDCANCEL, dialog.DoModal());
	ASSERT_EQ(3u, seam.m_shown.size());
	EXPECT_EQ("assente.sig\nFile non trovato.\nVerificare che il nome indicato sia corretto.", seam.m_shown[1].strText);
}

}
