// Win32 vocabulary the system's code is written in: integer types, handles to text, colours,
// word packing and the plain RECT/POINT/SIZE records.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int BOOL;
// Macros rather than constants: other C headers define TRUE/FALSE the same way.
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef unsigned int UINT;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef std::int64_t LONGLONG;
typedef std::uint64_t ULONGLONG;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef char TCHAR;
typedef const char* LPCSTR;
typedef const char* LPCTSTR;
typedef char* LPSTR;
typedef char* LPTSTR;
typedef void* LPVOID;

// Iterator of the framework's lists; only the lists know what it points at.
struct tagPOSITION;
typedef tagPOSITION* POSITION;

typedef DWORD COLORREF;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
	return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}

constexpr BYTE GetRValue(COLORREF rgb)
{
	return static_cast<BYTE>(rgb & 0xFF);
}

constexpr BYTE GetGValue(COLORREF rgb)
{
	return static_cast<BYTE>((rgb >> 8) & 0xFF);
}

constexpr BYTE GetBValue(COLORREF rgb)
{
	return static_cast<BYTE>((rgb >> 16) & 0xFF);
}

constexpr WORD LOWORD(DWORD_PTR value)
{
	return static_cast<WORD>(value & 0xFFFF);
}

constexpr WORD HIWORD(DWORD_PTR value)
{
	return static_cast<WORD>((value >> 16) & 0xFFFF);
}

constexpr LONG MAKELONG(WORD low, WORD high)
{
	return static_cast<LONG>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}

constexpr WPARAM MAKEWPARAM(WORD low, WORD high)
{
	return static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(low, high)));
}

constexpr LPARAM MAKELPARAM(WORD low, WORD high)
{
	return static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(low, high)));
}

struct RECT
{
	LONG left;
	LONG top;
	LONG right;
	LONG bottom;
};

struct POINT
{
	LONG x;
	LONG y;
};

struct SIZE
{
	LONG cx;
	LONG cy;
};

typedef RECT* LPRECT;
typedef const RECT* LPCRECT;
typedef POINT* LPPOINT;
typedef SIZE* LPSIZE;
