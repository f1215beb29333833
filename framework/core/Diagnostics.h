// Debug-build checks the system's code uses: ASSERT, VERIFY and ASSERT_VALID.
#pragma once

#include <cassert>

#define ASSERT(f) assert(f)

#ifdef NDEBUG
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)0)
#else
#define VERIFY(f) assert(f)
#define ASSERT_VALID(pOb) ((pOb)->AssertValid())
#endif
