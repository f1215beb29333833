// The message-loop functions a handler uses to run a loop of its own (a drag that keeps
// stepping until the mouse moves again): look at what waits, take it, hand it to its window.
#pragma once

#include "framework/ui/window/WndTypes.h"

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
constexpr UINT PM_NOYIELD = 0x0002;

// The first waiting message for hWnd (any window when null) with a number in wMsgFilterMin..
// wMsgFilterMax (all when both are 0): posted messages and the keyboard and mouse input that has
// arrived. FALSE when none waits. PM_REMOVE takes it out of the queue; PM_NOREMOVE leaves it to
// be delivered later in its turn.
BOOL PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
// Characters are made when a key's input arrives, so there is nothing left to translate: FALSE.
BOOL TranslateMessage(const MSG* lpMsg);
// Sends the message to its window and returns the window's answer.
LRESULT DispatchMessage(const MSG* lpMsg);
