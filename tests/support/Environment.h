// What a test changes in the process for its own duration: an environment variable, the locale.
#pragma once

#include <locale>
#include <string>

// Sets an environment variable, or removes it for a null value, until the end of the scope.
class CScopedEnv
{
public:
	CScopedEnv(const char* pszName, const char* pszValue);
	~CScopedEnv();

	CScopedEnv(const CScopedEnv&) = delete;
	CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
	std::string m_strName;
	std::string m_strOld;
	bool m_bHadValue;
};

// Switches both the C locale and the C++ global locale to the named one until the end of the
// scope; a locale the system lacks leaves both as they were and the switch inactive.
class CScopedLocale
{
public:
	explicit CScopedLocale(const char* pszName);
	~CScopedLocale();

	CScopedLocale(const CScopedLocale&) = delete;
	CScopedLocale& operator=(const CScopedLocale&) = delete;

	bool IsActive() const;

private:
	std::locale m_previousGlobal;
	std::string m_strPreviousC;
	bool m_bActive;
};
