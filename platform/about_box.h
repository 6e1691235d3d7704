#pragma once
// The support library's about box. The box itself needs a screen, which this layer does not have:
// the UI host in front installs a presenter, and DoAboutBox hands the request to it.
#include <cstdint>
#include <functional>

// A window handle as the platform passes it around: opaque here, a live window to the UI.
class LiveWindow;
using HWND = LiveWindow*;

// Shows the about box of the application whose icon resource is `iconResource`, owned by `owner`.
using AboutBoxPresenter = std::function<void(HWND owner, uint32_t iconResource)>;

// Installs `presenter` (an empty one removes it) and returns the one it replaces.
AboutBoxPresenter SetAboutBoxPresenter(AboutBoxPresenter presenter);

// `flags` is reserved and passed as 0. Returns 1 when a presenter showed the box, 0 when none is
// installed (nothing is shown then).
int32_t DoAboutBox(uint32_t flags, HWND owner, uint32_t iconResource);
