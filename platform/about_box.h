// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The support library's about box. The box itself needs a screen, which this layer does not have:
// the UI host in front installs a presenter, and DoAboutBox hands the request to it.
#include <cstdint>
#include <functional>

// The window that owns the box, as the UI hands it over: this layer knows no windows, so it only
// carries the handle to the presenter, which knows what it points to.
using AboutBoxOwner = void*;

// Shows the about box of the application whose icon resource is `iconResource`, owned by `owner`.
using AboutBoxPresenter = std::function<void(AboutBoxOwner owner, uint32_t iconResource)>;

// Installs `presenter` (an empty one removes it) and returns the one it replaces.
AboutBoxPresenter SetAboutBoxPresenter(AboutBoxPresenter presenter);

// `flags` is reserved and passed as 0. Returns 1 when a presenter showed the box, 0 when none is
// installed (nothing is shown then).
int32_t DoAboutBox(uint32_t flags, AboutBoxOwner owner, uint32_t iconResource);
