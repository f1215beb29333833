// Test helpers that run CSignal's archive operations over an in-memory file.
#include "SignalArchive.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "sigkit/signal/Signal.h"

namespace
{
	void Fill(CMemFile& file, const void* data, size_t size)
	{
		file.Write(data, UINT(size));
		file.SeekToBegin();
	}
}

std::vector<unsigned char> StoreSignal(CSignal& signal)
{
	CMemFile file;
	{
		CArchive ar(&file, CArchive::store);
		signal.Serialize(ar);
		ar.Close();
	}
	std::vector<unsigned char> bytes(size_t(file.GetLength()));
	file.SeekToBegin();
	file.Read(bytes.data(), UINT(bytes.size()));
	return bytes;
}

std::string ExportText(CSignal& signal)
{
	CMemFile file;
	{
		CArchive ar(&file, CArchive::store);
		signal.SerializeTXT(ar);
		ar.Close();
	}
	std::string text(size_t(file.GetLength()), '\0');
	file.SeekToBegin();
	file.Read(&text[0], UINT(text.size()));
	return text;
}

void LoadSignal(CSignal& signal, const std::vector<unsigned char>& bytes)
{
	CMemFile file;
	Fill(file, bytes.data(), bytes.size());
	CArchive ar(&file, CArchive::load);
	signal.Serialize(ar);
}

void ImportText(CSignal& signal, const std::string& text)
{
	CMemFile file;
	Fill(file, text.data(), text.size());
	CArchive ar(&file, CArchive::load);
	signal.SerializeTXT(ar);
}
