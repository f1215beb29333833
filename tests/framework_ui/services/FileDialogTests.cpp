// The file dialog through the seam: what it shows, the path it returns, the default extension and
// the checks that keep it open (missing folder, overwrite question).
#include "framework/ui/services/FileDialog.h"
#include "tests/framework_ui/services/ServicesTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

// The user types strName in the dialog and presses OK.
CAnsweringSeam::Answer Choose(const std::string& strName)
{
	return [strName](ModalRequest& request)
	{
		OPENFILENAME* pOfn = static_cast<OPENFILENAME*>(request.pData);
		std::strncpy(pOfn->lpstrFile, strName.c_str(), pOfn->nMaxFile - 1);
		return static_cast<INT_PTR>(IDOK);
	};
}

constexpr DWORD SAVE_FLAGS = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;

TEST(FileDialogTest, ShowsTitleInitialNameAndFiltersAndReturnsTheChosenPath)
{
	CTempFolder folder;
	CFileDialog dialog(FALSE, nullptr, "SenzaNome", SAVE_FLAGS);
	// The program hands the filters over in the Windows form, zero characters included.
	const char filters[] = "Signal files (*.sig)\0*.sig\0Tutti i file (*.*)\0*.*\0";
	dialog.m_ofn.lpstrFilter = filters;
	dialog.m_ofn.nFilterIndex = 1;
	dialog.m_ofn.lpstrTitle = "Salva con nome";
	CAnsweringSeam seam;
	std::string strSeenFilters;
	seam.Then([&](ModalRequest& request)
	{
		strSeenFilters = static_cast<OPENFILENAME*>(request.pData)->lpstrFilter + 21;
		return Choose(folder.Path("prova"))(request);
	});

	EXPECT_EQ(IDOK, dialog.DoModal());
	ASSERT_EQ(1u, seam.m_seen.size());
	EXPECT_EQ(ModalKind::FileDialog, seam.m_seen[0].nKind);
	EXPECT_EQ("Salva con nome", seam.m_seen[0].strCaption);
	EXPECT_EQ("SenzaNome", seam.m_seen[0].strText);
	EXPECT_EQ(SAVE_FLAGS | OFN_EXPLORER, seam.m_seen[0].nType);
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
	CTempFolder folder;
	CFileDialog dialog(FALSE, "sig", nullptr, SAVE_FLAGS, "Signal files (*.sig)|*.sig|Tutti i file (*.*)|*.*||");
	dialog.m_ofn.lpstrInitialDir = nullptr;
	CAnsweringSeam seam;
	seam.Then(Choose(folder.Path("misura")));

	EXPECT_EQ(IDOK, dialog.DoModal());
	EXPECT_EQ("Salva con nome", seam.m_seen[0].strCaption);
	EXPECT_EQ(1u, dialog.m_ofn.nFilterIndex);
	EXPECT_STREQ((folder.Path("misura.sig")).c_str(), dialog.GetPathName());
	EXPECT_STREQ("misura.sig", dialog.GetFileName());
	EXPECT_STREQ("sig", dialog.GetFileExt());
	EXPECT_STREQ("misura", dialog.GetFileTitle());
	EXPECT_EQ(folder.Path().size() + 1 + 7, dialog.m_ofn.nFileExtension);
}

TEST(FileDialogTest, BareNameIsInTheInitialFolder)
{
	CTempFolder folder;
	CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
	std::string strFolder = folder.Path();
	dialog.m_ofn.lpstrInitialDir = strFolder.c_str();
	ASSERT_TRUE(WriteFile(folder.Path("dati.sig"), "x"));
	CAnsweringSeam seam;
	seam.Then(Choose("dati.sig"));

	EXPECT_EQ(IDOK, dialog.DoModal());
	EXPECT_EQ("Apri", seam.m_seen[0].strCaption);
	EXPECT_STREQ(folder.Path("dati.sig").c_str(), dialog.GetPathName());
}

TEST(FileDialogTest, OverwriteQuestionKeepsTheDialogOpenOnNo)
{
	CTempFolder folder;
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
		CAnsweringSeam seam;
		seam.Then(Choose(folder.Path("prova.sig")));
		seam.Then(step.nAnswer);
		seam.Then(IDCANCEL);
		EXPECT_EQ(step.nResult, dialog.DoModal());
		ASSERT_LE(2u, seam.m_seen.size());
		EXPECT_EQ(step.nRequests, seam.m_seen.size());
		EXPECT_EQ(ModalKind::MessageBox, seam.m_seen[1].nKind);
		EXPECT_EQ(folder.Path("prova.sig") + " esiste già.\nSostituirlo?", seam.m_seen[1].strText);
		EXPECT_EQ(MB_YESNO | MB_ICONEXCLAMATION, seam.m_seen[1].nType);
		EXPECT_EQ("Salva con nome", seam.m_seen[1].strCaption);
	}
}

TEST(FileDialogTest, NoQuestionForANewFileOrWithoutTheFlag)
{
	CTempFolder folder;
	ASSERT_TRUE(WriteFile(folder.Path("vecchio.sig"), "old"));
	const struct
	{
		const char* pszName;
		DWORD dwFlags;
	} cases[] = { { "nuovo.sig", SAVE_FLAGS }, { "vecchio.sig", OFN_PATHMUSTEXIST } };
	for (const auto& c : cases)
	{
		CFileDialog dialog(FALSE, nullptr, nullptr, c.dwFlags);
		CAnsweringSeam seam;
		seam.Then(Choose(folder.Path(c.pszName)));
		EXPECT_EQ(IDOK, dialog.DoModal());
		EXPECT_EQ(1u, seam.m_seen.size());
	}
}

TEST(FileDialogTest, MissingFolderIsRefusedAndTheUserAskedAgain)
{
	CTempFolder folder;
	CFileDialog dialog(FALSE, "sig", nullptr, SAVE_FLAGS);
	CAnsweringSeam seam;
	seam.Then(Choose(folder.Path("manca/prova")));
	seam.Then(IDOK);
	seam.Then(Choose(folder.Path("prova")));

	EXPECT_EQ(IDOK, dialog.DoModal());
	ASSERT_EQ(3u, seam.m_seen.size());
	EXPECT_EQ(ModalKind::MessageBox, seam.m_seen[1].nKind);
	EXPECT_EQ("prova.sig\nPercorso inesistente.\nVerificare che il percorso indicato sia corretto.", seam.m_seen[1].strText);
	EXPECT_EQ(ModalKind::FileDialog, seam.m_seen[2].nKind);
	EXPECT_STREQ(folder.Path("prova.sig").c_str(), dialog.GetPathName());
}

TEST(FileDialogTest, OpenRefusesAMissingFile)
{
	CTempFolder folder;
	CFileDialog dialog(TRUE, nullptr, "iniziale.sig", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
	CAnsweringSeam seam;
	seam.Then(Choose(folder.Path("assente.sig")));
	seam.Then(IDOK);
	seam.Then(IDCANCEL);

	EXPECT_EQ(IDCANCEL, dialog.DoModal());
	ASSERT_EQ(3u, seam.m_seen.size());
	EXPECT_EQ("assente.sig\nFile non trovato.\nVerificare che il nome indicato sia corretto.", seam.m_seen[1].strText);
}

}
