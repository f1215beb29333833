// CArchive's << and >> for numbers: little-endian at their natural size, floating point as the
// bytes of its IEEE image so that -0.0, infinities and NaN payloads survive unchanged.
#include "framework/core/Archive.h"

#include <cstdint>
#include <cstring>

CArchive& CArchive::operator<<(BYTE by)
{
	StoreLittleEndian(by, 1);
	return *this;
}

CArchive& CArchive::operator<<(WORD w)
{
	StoreLittleEndian(w, 2);
	return *this;
}

CArchive& CArchive::operator<<(int i)
{
	StoreLittleEndian(static_cast<std::uint32_t>(i), 4);
	return *this;
}

CArchive& CArchive::operator<<(unsigned u)
{
	StoreLittleEndian(u, 4);
	return *this;
}

CArchive& CArchive::operator<<(short n)
{
	StoreLittleEndian(static_cast<std::uint16_t>(n), 2);
	return *this;
}

CArchive& CArchive::operator<<(char ch)
{
	StoreLittleEndian(static_cast<BYTE>(ch), 1);
	return *this;
}

CArchive& CArchive::operator<<(float f)
{
	std::uint32_t bits;
	std::memcpy(&bits, &f, sizeof(bits));
	StoreLittleEndian(bits, 4);
	return *this;
}

CArchive& CArchive::operator<<(double d)
{
	std::uint64_t bits;
	std::memcpy(&bits, &d, sizeof(bits));
	StoreLittleEndian(bits, 8);
	return *this;
}

CArchive& CArchive::operator<<(bool b)
{
	StoreLittleEndian(b ? 1 : 0, 1);
	return *this;
}

CArchive& CArchive::operator<<(LONGLONG n)
{
	StoreLittleEndian(static_cast<ULONGLONG>(n), 8);
	return *this;
}

CArchive& CArchive::operator<<(ULONGLONG n)
{
	StoreLittleEndian(n, 8);
	return *this;
}

CArchive& CArchive::operator>>(BYTE& by)
{
	by = static_cast<BYTE>(LoadLittleEndian(1));
	return *this;
}

CArchive& CArchive::operator>>(WORD& w)
{
	w = static_cast<WORD>(LoadLittleEndian(2));
	return *this;
}

CArchive& CArchive::operator>>(int& i)
{
	i = static_cast<int>(static_cast<std::uint32_t>(LoadLittleEndian(4)));
	return *this;
}

CArchive& CArchive::operator>>(unsigned& u)
{
	u = static_cast<unsigned>(LoadLittleEndian(4));
	return *this;
}

CArchive& CArchive::operator>>(short& n)
{
	n = static_cast<short>(static_cast<std::uint16_t>(LoadLittleEndian(2)));
	return *this;
}

CArchive& CArchive::operator>>(char& ch)
{
	ch = static_cast<char>(LoadLittleEndian(1));
	return *this;
}

CArchive& CArchive::operator>>(float& f)
{
	const std::uint32_t bits = static_cast<std::uint32_t>(LoadLittleEndian(4));
	std::memcpy(&f, &bits, sizeof(f));
	return *this;
}

CArchive& CArchive::operator>>(double& d)
{
	const std::uint64_t bits = LoadLittleEndian(8);
	std::memcpy(&d, &bits, sizeof(d));
	return *this;
}

CArchive& CArchive::operator>>(bool& b)
{
	b = LoadLittleEndian(1) != 0;
	return *this;
}

CArchive& CArchive::operator>>(LONGLONG& n)
{
	n = static_cast<LONGLONG>(LoadLittleEndian(8));
	return *this;
}

CArchive& CArchive::operator>>(ULONGLONG& n)
{
	n = LoadLittleEndian(8);
	return *this;
}
