// Reading the answers of xdg-mime, and the desktop entries they name.
#include "framework/ui/services/XdgMime.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

CString FirstLine(const CString& strOutput)
{
	int nEnd = strOutput.Find('\n');
	CString strLine = nEnd >= 0 ? strOutput.Left(nEnd) : strOutput;
	strLine.TrimLeft();
	strLine.TrimRight();
	return strLine;
}

bool HasSpace(const CString& str)
{
	return str.Find(' ') >= 0 || str.Find('\t') >= 0;
}

}

CString ParseMimeType(const CString& strOutput)
{
	CString strType = FirstLine(strOutput);
	int nParameters = strType.Find(';');
	if (nParameters >= 0)
	{
		strType = strType.Left(nParameters);
		strType.TrimRight();
	}
	int nSlash = strType.Find('/');
	if (nSlash <= 0 || nSlash == strType.GetLength() - 1 || strType.Find('/', nSlash + 1) >= 0 || HasSpace(strType))
	{
		return CString();
	}
	return strType;
}

CString ParseDesktopEntry(const CString& strOutput)
{
	CString strEntry = FirstLine(strOutput);
	const int nSuffix = 8;	// ".desktop"
	if (strEntry.GetLength() <= nSuffix || strEntry.Right(nSuffix) != ".desktop" || HasSpace(strEntry)
		|| strEntry.Find('/') >= 0)
	{
		return CString();
	}
	return strEntry;
}

namespace
{

bool IsRegularFile(const std::string& strPath)
{
	struct stat info;
	return stat(strPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsFolder(const std::string& strPath)
{
	struct stat info;
	return stat(strPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> SplitPaths(const char* pszList, const char* pszDefault)
{
	std::string strList = pszList != nullptr && *pszList != '\0' ? pszList : pszDefault;
	std::vector<std::string> paths;
	std::string::size_type nStart = 0;
	for (;;)
	{
		const std::string::size_type nColon = strList.find(':', nStart);
		paths.push_back(strList.substr(nStart, nColon == std::string::npos ? std::string::npos : nColon - nStart));
		if (nColon == std::string::npos)
		{
			return paths;
		}
		nStart = nColon + 1;
	}
}

std::string Trimmed(const std::string& str)
{
	const std::string::size_type nFirst = str.find_first_not_of(" \t\r");
	if (nFirst == std::string::npos)
	{
		return std::string();
	}
	return str.substr(nFirst, str.find_last_not_of(" \t\r") - nFirst + 1);
}

// The first word of an Exec value: up to a blank, or a double-quoted string with its escapes.
std::string FirstExecWord(const std::string& strExec)
{
	if (strExec.empty() || strExec[0] != '"')
	{
		return strExec.substr(0, strExec.find_first_of(" \t"));
	}
	std::string strWord;
	for (std::string::size_type i = 1; i < strExec.size(); ++i)
	{
		if (strExec[i] == '"')
		{
			return strWord;
		}
		if (strExec[i] == '\\' && i + 1 < strExec.size())
		{
			++i;
		}
		strWord += strExec[i];
	}
	return std::string();	// no closing quote
}

// The id's file under the folder, each dash of the id possibly standing for a subfolder.
std::string FindEntryIn(const std::string& strFolder, const std::string& strId)
{
	if (IsRegularFile(strFolder + "/" + strId))
	{
		return strFolder + "/" + strId;
	}
	for (std::string::size_type nDash = strId.find('-'); nDash != std::string::npos; nDash = strId.find('-', nDash + 1))
	{
		const std::string strSub = strFolder + "/" + strId.substr(0, nDash);
		if (IsFolder(strSub))
		{
			std::string strFound = FindEntryIn(strSub, strId.substr(nDash + 1));
			if (!strFound.empty())
			{
				return strFound;
			}
		}
	}
	return std::string();
}

}

DesktopEntryLaunch ParseDesktopEntryLaunch(const CString& strText)
{
	DesktopEntryLaunch launch = { FALSE, CString(), CString() };
	std::istringstream lines(static_cast<LPCTSTR>(strText));
	std::string strLine;
	bool bInEntry = false;
	bool bApplication = false;
	bool bHidden = false;
	while (std::getline(lines, strLine))
	{
		strLine = Trimmed(strLine);
		if (strLine.empty() || strLine[0] == '#')
		{
			continue;
		}
		if (strLine[0] == '[')
		{
			// Only the first group is the entry's own; the others are actions and extensions.
			if (bInEntry || strLine != "[Desktop Entry]")
			{
				break;
			}
			bInEntry = true;
			continue;
		}
		const std::string::size_type nEquals = strLine.find('=');
		if (!bInEntry || nEquals == std::string::npos)
		{
			continue;
		}
		const std::string strKey = Trimmed(strLine.substr(0, nEquals));
		const std::string strValue = Trimmed(strLine.substr(nEquals + 1));
		if (strKey == "Type")
		{
			bApplication = strValue == "Application";
		}
		else if (strKey == "Hidden")
		{
			bHidden = strValue == "true";
		}
		else if (strKey == "Exec")
		{
			launch.strProgram = FirstExecWord(strValue).c_str();
		}
		else if (strKey == "TryExec")
		{
			launch.strTryExec = strValue.c_str();
		}
	}
	launch.bApplication = bApplication && !bHidden;
	return launch;
}

CString XdgFindDesktopEntry(const CString& strEntryId)
{
	const char* pszHome = std::getenv("HOME");
	std::vector<std::string> folders
		= SplitPaths(std::getenv("XDG_DATA_HOME"), (std::string(pszHome != nullptr ? pszHome : "") + "/.local/share").c_str());
	const std::vector<std::string> system = SplitPaths(std::getenv("XDG_DATA_DIRS"), "/usr/local/share:/usr/share");
	folders.insert(folders.end(), system.begin(), system.end());
	for (const std::string& strFolder : folders)
	{
		if (strFolder.empty())
		{
			continue;
		}
		const std::string strFound = FindEntryIn(strFolder + "/applications", static_cast<LPCTSTR>(strEntryId));
		if (!strFound.empty())
		{
			return strFound.c_str();
		}
	}
	return CString();
}

CString XdgFindProgram(const CString& strName)
{
	const std::string strProgram = static_cast<LPCTSTR>(strName);
	if (strProgram.empty())
	{
		return CString();
	}
	if (strProgram.find('/') != std::string::npos)
	{
		return IsRegularFile(strProgram) && access(strProgram.c_str(), X_OK) == 0 ? strName : CString();
	}
	for (const std::string& strFolder : SplitPaths(std::getenv("PATH"), "/usr/local/bin:/usr/bin:/bin"))
	{
		const std::string strPath = (strFolder.empty() ? std::string(".") : strFolder) + "/" + strProgram;
		if (IsRegularFile(strPath) && access(strPath.c_str(), X_OK) == 0)
		{
			return strPath.c_str();
		}
	}
	return CString();
}

CString XdgDesktopEntryProgram(const CString& strEntryPath)
{
	std::ifstream file(static_cast<LPCTSTR>(strEntryPath));
	if (!file)
	{
		return CString();
	}
	std::ostringstream text;
	text << file.rdbuf();
	const DesktopEntryLaunch launch = ParseDesktopEntryLaunch(text.str().c_str());
	if (!launch.bApplication || (!launch.strTryExec.IsEmpty() && XdgFindProgram(launch.strTryExec).IsEmpty()))
	{
		return CString();
	}
	return XdgFindProgram(launch.strProgram);
}
