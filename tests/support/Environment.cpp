// The environment and locale switches of the tests.
#include "tests/support/Environment.h"

#include <clocale>
#include <cstdlib>
#include <stdexcept>

CScopedEnv::CScopedEnv(const char* pszName, const char* pszValue)
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

CScopedEnv::~CScopedEnv()
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

CScopedLocale::CScopedLocale(const char* pszName)
	: m_previousGlobal(std::locale()), m_strPreviousC(std::setlocale(LC_ALL, nullptr)), m_bActive(false)
{
	try
	{
		// A named global locale sets the C locale too.
		std::locale::global(std::locale(pszName));
		m_bActive = true;
	}
	catch (const std::runtime_error&)
	{
	}
}

CScopedLocale::~CScopedLocale()
{
	std::locale::global(m_previousGlobal);
	// The C locale may have differed from the C++ one, as after a toolkit set it from the environment.
	std::setlocale(LC_ALL, m_strPreviousC.c_str());
}

bool CScopedLocale::IsActive() const
{
	return m_bActive;
}
