// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/about_box.h"

#include <utility>

namespace {

AboutBoxPresenter& Presenter()
{
    static AboutBoxPresenter presenter;
    return presenter;
}

}   // namespace

AboutBoxPresenter SetAboutBoxPresenter(AboutBoxPresenter presenter)
{
    return std::exchange(Presenter(), std::move(presenter));
}

int32_t DoAboutBox(uint32_t /*flags*/, AboutBoxOwner owner, uint32_t iconResource)
{
    // A copy, so that a presenter replacing itself while the box is open stays alive until it returns.
    const AboutBoxPresenter presenter = Presenter();
    if (!presenter)
        return 0;
    presenter(owner, iconResource);
    return 1;
}
