// Helpers of the saving tests.
#include "tests/app/saving/SavingSupport.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "sigkit/signal/Signal.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <sys/resource.h>

CScratchFolder::CScratchFolder()
{
	char szTemplate[] = "/tmp/ondivar-saving-XXXXXX";
	// Without a folder of its own a test would save into the root folder.
	if (mkdtemp(szTemplate) == nullptr)
		throw std::runtime_error("no scratch folder under /tmp");
	m_strFolder = szTemplate;
}

CScratchFolder::~CScratchFolder()
{
	std::error_code error;
	std::filesystem::remove_all(m_strFolder, error);
}

std::string CScratchFolder::Path(const std::string& strName) const
{
	return m_strFolder + "/" + strName;
}

std::vector<std::string> CScratchFolder::Names() const
{
	std::vector<std::string> names;
	for (const auto& entry : std::filesystem::directory_iterator(m_strFolder))
		names.push_back(entry.path().filename().string());
	std::sort(names.begin(), names.end());
	return names;
}

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

CShellWitness::CShellWitness()
	: m_pUser(AfxSetModalSeam(this))
{
}

CShellWitness::~CShellWitness()
{
	AfxSetModalSeam(m_pUser);
}

INT_PTR CShellWitness::OnModal(ModalRequest& request)
{
	if (request.nKind == ModalKind::ShellOpen)
	{
		m_nOpens++;
		m_bytesAtOpen = FileBytes(static_cast<LPCTSTR>(request.strText));
	}
	return m_pUser->OnModal(request);
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
