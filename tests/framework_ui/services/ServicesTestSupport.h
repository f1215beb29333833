// Helpers of the common services' tests: a seam that plays the user's answers in order and keeps
// a copy of every request, environment variables and folders that last for one test.
#pragma once

#include "framework/core/String.h"
#include "framework/ui/window/ModalSeam.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <ftw.h>
#include <unistd.h>

struct SeenRequest
{
	ModalKind nKind;
	std::string strCaption;
	std::string strText;
	UINT nType;
	CWnd* pOwner;
};

// Each request takes the next answer, which may also fill the request's record (the chosen path,
// the printer settings). A request with no answer left fails the test and is cancelled.
class CAnsweringSeam : public CModalSeam
{
public:
	typedef std::function<INT_PTR(ModalRequest&)> Answer;

	CAnsweringSeam()
		: m_pPrevious(AfxSetModalSeam(this))
	{
	}

	~CAnsweringSeam() override
	{
		AfxSetModalSeam(m_pPrevious);
	}

	CAnsweringSeam(const CAnsweringSeam&) = delete;
	CAnsweringSeam& operator=(const CAnsweringSeam&) = delete;

	void Then(Answer answer)
	{
		m_answers.push_back(std::move(answer));
	}

	void Then(INT_PTR nResult)
	{
		m_answers.push_back([nResult](ModalRequest&) { return nResult; });
	}

	INT_PTR OnModal(ModalRequest& request) override
	{
		m_seen.push_back({ request.nKind, static_cast<LPCTSTR>(request.strCaption), static_cast<LPCTSTR>(request.strText),
			request.nType, request.pOwner });
		if (m_answers.empty())
		{
			ADD_FAILURE() << "unexpected request: " << request.strCaption << " / " << request.strText;
			return IDCANCEL;
		}
		Answer answer = m_answers.front();
		m_answers.pop_front();
		return answer(request);
	}

	std::vector<SeenRequest> m_seen;

private:
	std::deque<Answer> m_answers;
	CModalSeam* m_pPrevious;
};

// Sets (or, with null, removes) an environment variable until the end of the scope.
class CScopedEnv
{
public:
	CScopedEnv(const char* pszName, const char* pszValue)
		: m_strName(pszName)
	{
		const char* pszOld = std::getenv(pszName);
		m_bHadValue = pszOld != nullptr;
		if (m_bHadValue)
		{
			m_strOld = pszOld;
		}
		if (pszValue != nullptr)
		{
			setenv(pszName, pszValue, 1);
		}
		else
		{
			unsetenv(pszName);
		}
	}

	~CScopedEnv()
	{
		if (m_bHadValue)
		{
			setenv(m_strName.c_str(), m_strOld.c_str(), 1);
		}
		else
		{
			unsetenv(m_strName.c_str());
		}
	}

	CScopedEnv(const CScopedEnv&) = delete;
	CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
	std::string m_strName;
	std::string m_strOld;
	bool m_bHadValue;
};

// A new empty folder, removed with everything in it at the end of the scope.
class CTempFolder
{
public:
	CTempFolder()
	{
		char szTemplate[] = "/tmp/ondivar-services-XXXXXX";
		const char* pszPath = mkdtemp(szTemplate);
		m_strPath = pszPath != nullptr ? pszPath : "";
	}

	~CTempFolder()
	{
		if (!m_strPath.empty())
		{
			nftw(m_strPath.c_str(), [](const char* pszPath, const struct stat*, int, struct FTW*) { return remove(pszPath); },
				16, FTW_DEPTH | FTW_PHYS);
		}
	}

	CTempFolder(const CTempFolder&) = delete;
	CTempFolder& operator=(const CTempFolder&) = delete;

	std::string Path(const std::string& strName = std::string()) const
	{
		return strName.empty() ? m_strPath : m_strPath + "/" + strName;
	}

private:
	std::string m_strPath;
};

// Writes a small file, making nothing else.
bool WriteFile(const std::string& strPath, const std::string& strText);
bool FileExists(const std::string& strPath);
// Runs a shell command and returns what it wrote on its standard output.
std::string CommandOutput(const std::string& strCommand);
