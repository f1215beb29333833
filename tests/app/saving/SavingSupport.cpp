// Helpers of the saving tests.
#include "tests/app/saving/SavingSupport.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "sigkit/signal/Signal.h"

#include <csignal>
#include <fstream>
#include <iterator>

#include <sys/resource.h>

std::vector<unsigned char> FileBytes(const std::string& strPath)
{
	std::ifstream file(strPath, std::ios::binary);
	return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& strPath, const std::vector<unsigned char>& bytes)
{
	std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
	file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> SerializedBytes(CSignal& signal)
{
	CMemFile file;
	CArchive ar(&file, CArchive::store);
	signal.Serialize(ar);
	ar.Close();
	const BYTE* pBytes = file.GetBytes();
	return std::vector<unsigned char>(pBytes, pBytes + file.GetLength());
}

CShellWitness::CShellWitness(CScriptedUser& user)
	: m_user(user)
{
	m_user.Watch([this](const ModalRequest& request)
	{
		if (request.nKind == ModalKind::ShellOpen)
			m_bytesAtOpen = FileBytes(static_cast<LPCTSTR>(request.strText));
	});
}

CShellWitness::~CShellWitness()
{
	m_user.Watch(nullptr);
}

CFileSizeLimit::CFileSizeLimit(unsigned long nBytes)
	: m_pfnPrevious(std::signal(SIGXFSZ, SIG_IGN))
{
	rlimit limit;
	getrlimit(RLIMIT_FSIZE, &limit);
	m_nPrevious = limit.rlim_cur;
	limit.rlim_cur = nBytes;
	setrlimit(RLIMIT_FSIZE, &limit);
}

CFileSizeLimit::~CFileSizeLimit()
{
	rlimit limit;
	getrlimit(RLIMIT_FSIZE, &limit);
	limit.rlim_cur = m_nPrevious;
	setrlimit(RLIMIT_FSIZE, &limit);
	std::signal(SIGXFSZ, m_pfnPrevious);
}
