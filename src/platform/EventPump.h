// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Letting the window system deliver what is pending, from inside a long command.

// Delivers every pending event (repaints, keys, clicks) and returns.
void HandlePendingMessages();

// Delivers pending events, waiting up to `maxWaitMs` for the next one when none is pending, so
// that polling loops do not burn a core.
void WaitForEvents(int maxWaitMs);

// Milliseconds since some fixed point; wraps like the system's 32-bit tick count.
unsigned int TickCount();

// Sleeps while letting events through.
void PauseMs(int ms);
